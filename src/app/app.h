#pragma once

#include "app/kanalcount.h"
#include "codeview/pagemodel.h"
#include "colours/colourpanel.h"
#include "simulator/simulatorwindow.h"
#include "ui/lazywindow.h"

#include <QObject>
#include <QString>
#include <memory>

namespace chaserom {

class CodeViewWindow;

/// Owns the three windows and the state they share, and wires them together: the code
/// view lights the simulator's lamps in the colour panel's colours. The simulator and the
/// colour panel are created on first use and again after they were closed.
class App : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(App)

public:
    App();
    ~App() override;

    /// Starts the program: shows the simulator and the colour panel, prepares the code
    /// view, opens `image` (or asks for one when it is empty), then shows the code view.
    void start(const QString& image);

    [[nodiscard]] CodeViewWindow& codeView() { return *m_codeView; }
    [[nodiscard]] PageModel& model() { return m_model; }
    [[nodiscard]] KanalCount& kanalCount() { return m_kanalCount; }
    /// The simulator and the colour panel, created hidden if they do not exist.
    [[nodiscard]] SimulatorWindow& simulator() { return m_simulator.get(); }
    [[nodiscard]] ColourPanel& colourPanel() { return m_colourPanel.get(); }
    [[nodiscard]] SimulatorWindow* existingSimulator() const { return m_simulator.existing(); }
    [[nodiscard]] ColourPanel* existingColourPanel() const { return m_colourPanel.existing(); }

    /// Closes the program: the simulator and the colour panel (which writes its colours)
    /// are closed, the page is written back while saving is on, and the image is closed.
    void shutDown();

signals:
    void finished();

private:
    SimulatorWindow* createSimulator();
    ColourPanel* createColourPanel();
    [[nodiscard]] std::array<Bgr, LampCount> lampColours();
    void relightLamps();
    void showSwatchesForChannelCount();
    void showSimulator();

    KanalCount m_kanalCount;
    PageModel m_model;
    std::unique_ptr<CodeViewWindow> m_codeView;
    LazyWindow<SimulatorWindow> m_simulator;
    LazyWindow<ColourPanel> m_colourPanel;
    bool m_shutDown = false;
    bool m_lampsFollowPage = false;
};

} // namespace chaserom
