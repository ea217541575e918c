#pragma once

#include <QPointer>
#include <functional>

namespace chaserom {

/// A window that exists at most once: created hidden on first use, gone when it is
/// closed (its `unloaded` signal), and created again, hidden, on the next use.
template <typename Window> class LazyWindow {
public:
    using Factory = std::function<Window*()>;

    explicit LazyWindow(Factory factory)
        : m_factory(std::move(factory)) {}

    /// The window, created hidden if it does not exist.
    Window& get() {
        if (!m_window) {
            Window* window = m_factory();
            m_window = window;
            QObject::connect(window, &Window::unloaded, window, [this, window] {
                if (m_window == window) {
                    m_window = nullptr;
                }
                window->deleteLater();
            });
        }
        return *m_window;
    }

    /// The window if it exists now.
    [[nodiscard]] Window* existing() const { return m_window.data(); }

    /// Closes the window if it exists, which runs its own unload handling.
    void unload() {
        if (m_window) {
            m_window->close();
        }
    }

private:
    Factory m_factory;
    QPointer<Window> m_window;
};

} // namespace chaserom
