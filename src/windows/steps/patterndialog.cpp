#include "windows/steps/patterndialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>
#include <QSpinBox>

namespace chaserom {

namespace {

/// What each pattern looks like, as the list shows it.
QString describe(Pattern pattern) {
    switch (pattern) {
    case Pattern::Chase:
        return QCoreApplication::translate("PatternDialog", "бегущий огонь (chase)");
    case Pattern::ChaseBack:
        return QCoreApplication::translate("PatternDialog", "бегущий огонь назад (chase-back)");
    case Pattern::Bounce:
        return QCoreApplication::translate("PatternDialog", "туда и обратно (bounce)");
    case Pattern::Fill:
        return QCoreApplication::translate("PatternDialog", "заполнение (fill)");
    case Pattern::Empty:
        return QCoreApplication::translate("PatternDialog", "опустошение (empty)");
    case Pattern::Blink:
        return QCoreApplication::translate("PatternDialog", "мигание (blink)");
    case Pattern::Counter:
        return QCoreApplication::translate("PatternDialog", "двоичный счётчик (counter)");
    case Pattern::Random:
        return QCoreApplication::translate("PatternDialog", "случайные лампы (random)");
    }
    return {};
}

} // namespace

PatternDialog::PatternDialog(QWidget* parent, int channels,
                             std::function<void(const PatternRequest&)> preview)
    : QDialog(parent)
    , m_channels(channels)
    , m_preview(std::move(preview)) {
    setWindowTitle(tr("Создать узор"));
    auto* form = new QFormLayout(this);
    m_pattern = new QComboBox(this);
    m_pattern->setObjectName(QStringLiteral("Pattern"));
    for (const NamedPattern& named : PatternNames) {
        m_pattern->addItem(describe(named.pattern), static_cast<int>(named.pattern));
    }
    form->addRow(tr("Узор:"), m_pattern);
    m_lit = new QSpinBox(this);
    m_lit->setObjectName(QStringLiteral("Lit"));
    m_lit->setRange(0, channels);
    m_lit->setValue(1);
    m_lit->setToolTip(tr("Сколько ламп горит в каждом шаге случайного узора"));
    form->addRow(tr("Горящих ламп:"), m_lit);
    m_seed = new QSpinBox(this);
    m_seed->setObjectName(QStringLiteral("Seed"));
    m_seed->setRange(0, 1'000'000);
    m_seed->setValue(1);
    m_seed->setToolTip(tr("Одно и то же число даёт один и тот же случайный узор"));
    form->addRow(tr("Зерно:"), m_seed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    restoreLastChoice();
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        keepChoice();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pattern, &QComboBox::currentIndexChanged, this, &PatternDialog::choiceChanged);
    connect(m_lit, &QSpinBox::valueChanged, this, &PatternDialog::choiceChanged);
    connect(m_seed, &QSpinBox::valueChanged, this, &PatternDialog::choiceChanged);
    choiceChanged();
}

PatternRequest PatternDialog::request() const {
    PatternRequest request;
    request.pattern = static_cast<Pattern>(m_pattern->currentData().toInt());
    request.channels = m_channels;
    request.lit = m_lit->value();
    request.seed = static_cast<quint64>(m_seed->value());
    return request;
}

void PatternDialog::restoreLastChoice() {
    // The pattern last made, with its settings: the next one is often a variation of it.
    const QSettings stored;
    const int index = m_pattern->findData(stored.value(QStringLiteral("steps/pattern"), -1));
    if (index >= 0) {
        m_pattern->setCurrentIndex(index);
    }
    m_lit->setValue(stored.value(QStringLiteral("steps/patternLit"), m_lit->value()).toInt());
    m_seed->setValue(stored.value(QStringLiteral("steps/patternSeed"), m_seed->value()).toInt());
}

void PatternDialog::keepChoice() const {
    QSettings stored;
    stored.setValue(QStringLiteral("steps/pattern"), m_pattern->currentData());
    stored.setValue(QStringLiteral("steps/patternLit"), m_lit->value());
    stored.setValue(QStringLiteral("steps/patternSeed"), m_seed->value());
}

void PatternDialog::choiceChanged() {
    const bool random = request().pattern == Pattern::Random;
    m_lit->setEnabled(random);
    m_seed->setEnabled(random);
    m_preview(request());
}

} // namespace chaserom
