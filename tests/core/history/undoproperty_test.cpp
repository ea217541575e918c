// Undo and redo against a plain reference that keeps every version of the image whole: random
// row edits, double-clicks, LED clicks, copies with each answer, inversions, reversals, page
// moves with and without write-back, undos and redos; after each action the page, the file
// and what can be undone must match the reference exactly.
#include "core/page/hextext.h"
#include "documentwithpage.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace chaserom;
using namespace testing_support;

namespace {

/// The behaviour undo must have, written the simple way: file changes keep the whole file
/// before and after.
class ReferenceEditor {
public:
    ReferenceEditor(QByteArray file, int length)
        : m_file(std::move(file))
        , m_length(length) {
        readPage(0);
    }

    void type(int row, const QString& text) {
        if (row >= m_editable || m_rows[row] == text) {
            return;
        }
        const QString before = m_rows[row];
        m_rows[row] = text;
        if (m_typingOpen && m_done == m_history.size() && m_done > 0) {
            Entry& last = m_history.back();
            if (!last.fileChange && last.typing && !last.written &&
                last.address == m_address + row) {
                last.textAfter = text;
                if (last.textAfter == last.textBefore) {
                    m_history.pop_back();
                    --m_done;
                    m_typingOpen = false;
                }
                return;
            }
        }
        push({false, m_address + row, before, text, false, true, {}, {}});
        m_typingOpen = true;
    }

    void setRow(int row, const QString& text) {
        if (row >= m_editable || m_rows[row] == text) {
            return;
        }
        push({false, m_address + row, m_rows[row], text, false, false, {}, {}});
        m_rows[row] = text;
    }

    void invertRow(int row) { setRow(row, byteToHex(255 - HexToDec(m_rows[row]))); }
    void invertBit(int row, int column) { setRow(row, Inv(HexToDec(m_rows[row]), 7 - column)); }
    void endTyping() { m_typingOpen = false; }
    void setSaving(bool saving) { m_saving = saving; }

    void movePage(int address) {
        writeBack();
        readPage(address);
    }

    /// Copy, one byte at a time, upwards, as it is defined.
    void copy(int start, int end, int destination, Overflow answer) {
        fileOperation([&](QByteArray& file) {
            int last = end;
            if (destination + (end - start) > m_length - 1) {
                if (answer == Overflow::Cancel) {
                    return;
                }
                if (answer == Overflow::CutAtEnd) {
                    last = start + (m_length - 1 - destination);
                }
            }
            for (int i = start; i <= last; ++i) {
                const int to = destination + (i - start);
                const char byte = file[i];
                if (to >= file.size()) {
                    file.resize(to + 1, '\0');
                }
                file[to] = byte;
            }
        });
    }

    void invert() {
        fileOperation([&](QByteArray& file) {
            for (int i = 0; i < m_length; ++i) {
                file[i] = static_cast<char>(~file[i]);
            }
        });
    }

    void reverse() {
        fileOperation([&](QByteArray& file) {
            for (int p = 1; p <= m_length / 2; ++p) {
                std::swap(file[p - 1], file[m_length - p]);
            }
        });
    }

    void undo() {
        if (m_done == 0) {
            return;
        }
        walk(m_history[m_done - 1], true);
        --m_done;
        m_typingOpen = false;
    }

    void redo() {
        if (m_done == m_history.size()) {
            return;
        }
        walk(m_history[m_done], false);
        ++m_done;
        m_typingOpen = false;
    }

    [[nodiscard]] const QByteArray& file() const { return m_file; }
    [[nodiscard]] int address() const { return m_address; }
    [[nodiscard]] const QString& row(int row) const { return m_rows[row]; }
    [[nodiscard]] bool canUndo() const { return m_done > 0; }
    [[nodiscard]] bool canRedo() const { return m_done < m_history.size(); }
    [[nodiscard]] int editable() const { return m_editable; }

private:
    struct Entry {
        bool fileChange;
        int address;
        QString textBefore;
        QString textAfter;
        bool written;
        bool typing;
        QByteArray fileBefore;
        QByteArray fileAfter;
    };

    void push(Entry entry) {
        m_history.resize(m_done);
        m_history.push_back(std::move(entry));
        ++m_done;
        m_typingOpen = false;
    }

    void writeBack() {
        if (!m_saving) {
            return;
        }
        const int fitting = std::clamp(static_cast<int>(m_file.size()) - m_address, 0, m_editable);
        for (int row = 0; row < fitting; ++row) {
            m_file[m_address + row] = static_cast<char>(HexToDec(m_rows[row]));
        }
        for (size_t i = 0; i < m_done; ++i) {
            Entry& entry = m_history[i];
            if (!entry.fileChange && entry.address >= m_address &&
                entry.address < m_address + fitting) {
                entry.written = true;
            }
        }
        m_typingOpen = false;
    }

    void readPage(int address) {
        for (size_t i = m_history.size(); i-- > 0;) {
            if (!m_history[i].fileChange && !m_history[i].written) {
                m_history.erase(m_history.begin() + static_cast<std::ptrdiff_t>(i));
                if (i < m_done) {
                    --m_done;
                }
            }
        }
        m_address = address;
        m_editable = std::clamp(m_length - address, 0, 16);
        for (int row = 0; row < 16; ++row) {
            m_rows[row] = row < m_editable ? byteToHex(static_cast<quint8>(m_file[address + row]))
                                           : QString();
        }
        m_typingOpen = false;
    }

    template <typename Change> void fileOperation(Change change) {
        writeBack();
        QByteArray after = m_file;
        change(after);
        if (after != m_file) {
            push({true, 0, {}, {}, false, false, m_file, after});
            m_file = after;
        }
        readPage(m_address);
    }

    void walk(const Entry& entry, bool undoing) {
        if (entry.fileChange) {
            const QByteArray& then = undoing ? entry.fileBefore : entry.fileAfter;
            const QByteArray& now = undoing ? entry.fileAfter : entry.fileBefore;
            m_file = then;
            for (int row = 0; row < m_editable; ++row) {
                const int at = m_address + row;
                if (then.at(at) != now.at(at)) {
                    m_rows[row] = byteToHex(static_cast<quint8>(then.at(at)));
                }
            }
            return;
        }
        const QString& then = undoing ? entry.textBefore : entry.textAfter;
        if (entry.written) {
            m_file[entry.address] = static_cast<char>(HexToDec(then));
        }
        const int row = entry.address - m_address;
        if (row >= 0 && row < m_editable) {
            m_rows[row] = then;
        }
    }

    QByteArray m_file;
    int m_length;
    int m_address = 0;
    int m_editable = 0;
    std::array<QString, 16> m_rows;
    bool m_saving = false;
    bool m_typingOpen = false;
    std::vector<Entry> m_history;
    size_t m_done = 0;
};

const QStringList RowTexts = {QStringLiteral("00"), QStringLiteral("7F"), QStringLiteral("A5"),
                              QStringLiteral("G1"), QStringLiteral("f"),  QStringLiteral("FF"),
                              QStringLiteral("3"),  QStringLiteral("")};

void runRandomActions(unsigned seed, int length, int actions) {
    TempFolder folder;
    std::mt19937 random(seed);
    QByteArray bytes(length, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    const QString path = folder.write(QStringLiteral("image.bin"), bytes);
    DocumentWithPage model;
    ASSERT_FALSE(model.document.open(path));
    ReferenceEditor reference(bytes, length);
    const auto pick = [&random](int below) {
        return std::uniform_int_distribution<int>(0, below - 1)(random);
    };
    const int lastPage = std::max(0, length - 16);

    for (int action = 0; action < actions; ++action) {
        const int kind = pick(100);
        QString done;
        if (kind < 25) {
            const int row = pick(16);
            const QString text = RowTexts[pick(RowTexts.size())];
            model.page.setRowText(row, text);
            reference.type(row, text);
            done = QStringLiteral("type %1 '%2'").arg(row).arg(text);
        } else if (kind < 30) {
            model.page.endTyping();
            reference.endTyping();
            done = QStringLiteral("end typing");
        } else if (kind < 36) {
            const int row = pick(16);
            model.page.invertRow(row);
            reference.invertRow(row);
            done = QStringLiteral("double-click %1").arg(row);
        } else if (kind < 42) {
            const int row = pick(16);
            const int column = pick(8);
            model.page.invertBit(row, column);
            reference.invertBit(row, column);
            done = QStringLiteral("LED %1,%2").arg(row).arg(column);
        } else if (kind < 46) {
            const bool saving = pick(2) == 1;
            model.page.setSaveEnabled(saving);
            reference.setSaving(saving);
            done = QStringLiteral("saving %1").arg(saving);
        } else if (kind < 58) {
            const int address = pick(lastPage + 1);
            ASSERT_FALSE(model.page.movePage(address));
            reference.movePage(address);
            done = QStringLiteral("move %1").arg(address);
        } else if (kind < 63) {
            const int start = pick(length);
            const int end = pick(length);
            const int destination = pick(length + 8);
            const auto answer = static_cast<Overflow>(pick(3));
            ASSERT_FALSE(model.page.copy({start, end, destination}, answer));
            reference.copy(start, end, destination, answer);
            done = QStringLiteral("copy %1-%2 to %3").arg(start).arg(end).arg(destination);
        } else if (kind < 66) {
            ASSERT_FALSE(model.page.invert());
            reference.invert();
            done = QStringLiteral("invert");
        } else if (kind < 69) {
            ASSERT_FALSE(model.page.reverse());
            reference.reverse();
            done = QStringLiteral("reverse");
        } else if (kind < 87) {
            ASSERT_FALSE(model.document.undo());
            reference.undo();
            done = QStringLiteral("undo");
        } else {
            ASSERT_FALSE(model.document.redo());
            reference.redo();
            done = QStringLiteral("redo");
        }
        const std::string where =
            QStringLiteral("seed %1, action %2: %3").arg(seed).arg(action).arg(done).toStdString();
        ASSERT_EQ(model.page.pageAddress(), reference.address()) << where;
        for (int row = 0; row < 16; ++row) {
            ASSERT_EQ(model.page.rowText(row), reference.row(row)) << where << ", row " << row;
        }
        ASSERT_EQ(folder.read(QStringLiteral("image.bin")), reference.file()) << where;
        ASSERT_EQ(model.document.canUndo(), reference.canUndo()) << where;
        ASSERT_EQ(model.document.canRedo(), reference.canRedo()) << where;
    }
}

TEST(UndoProperty, RandomActionsMatchTheReference) {
    // 2400 actions in all, on images longer and shorter than a page.
    for (unsigned seed = 1; seed <= 4; ++seed) {
        runRandomActions(seed, 48, 450);
    }
    runRandomActions(5, 20, 300);
    runRandomActions(6, 10, 300);
}

} // namespace
