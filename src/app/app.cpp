#include "app.h"

#include "codeview/codeviewwindow.h"
#include "codeview/lamplighting.h"
#include "ui/failurereport.h"

#include <QCoreApplication>

namespace chaserom {

App::App()
    : m_codeView(std::make_unique<CodeViewWindow>(m_model, m_kanalCount))
    , m_simulator([this] { return createSimulator(); })
    , m_colourPanel([this] { return createColourPanel(); }) {
    connect(&m_model, &PageModel::rowsChanged, this, &App::relightLamps);
    connect(&m_kanalCount, &KanalCount::changed, this, [this] {
        relightLamps();
        showSwatchesForChannelCount();
    });
    connect(m_codeView.get(), &CodeViewWindow::simulatorRequested, this, &App::showSimulator);
    connect(m_codeView.get(), &CodeViewWindow::closing, this, &App::shutDown);
}

App::~App() {
    delete m_simulator.existing();
    delete m_colourPanel.existing();
    // Windows closed earlier wait for their deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void App::start(const QString& image) {
    showSimulator();
    m_colourPanel.get().show();
    m_lampsFollowPage = true;
    m_codeView->load();
    if (image.isEmpty()) {
        m_codeView->openAction();
    } else {
        m_codeView->openImage(image);
    }
    m_codeView->show();
}

void App::shutDown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    m_simulator.unload();
    m_colourPanel.unload();
    if (auto failure = m_model.closeImage()) {
        reportFailureNow(m_codeView.get(), failureText(*failure));
    }
    emit finished();
}

SimulatorWindow* App::createSimulator() {
    auto* simulator = new SimulatorWindow(m_kanalCount);
    // A simulator created again shows the current step at once, not its design colours.
    // The first one, made before the colour panel exists, opens in its design colours.
    if (m_lampsFollowPage) {
        simulator->setLampColours(lampColours());
    }
    return simulator;
}

ColourPanel* App::createColourPanel() {
    auto* panel = new ColourPanel();
    connect(panel, &ColourPanel::colourChanged, this, &App::relightLamps);
    return panel;
}

void App::showSimulator() {
    SimulatorWindow& simulator = m_simulator.get();
    if (simulator.isVisible()) {
        simulator.raise();
    }
    simulator.show();
}

std::array<Bgr, LampCount> App::lampColours() {
    const PageBytes page = m_model.pageBytes();
    const ChannelColours channelColours = m_colourPanel.get().colours();
    const int kanalCount = m_kanalCount.value();
    std::array<Bgr, LampCount> colours{};
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        colours[lamp] = lampColour(page, lamp, kanalCount, channelColours);
    }
    return colours;
}

void App::relightLamps() {
    m_simulator.get().setLampColours(lampColours());
}

void App::showSwatchesForChannelCount() {
    m_colourPanel.get().showSwatchesFor(m_kanalCount.value());
}

} // namespace chaserom
