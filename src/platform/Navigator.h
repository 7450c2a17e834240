#pragma once
#include "platform/Screen.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// Owns the program's screens: loads them by name, shows and closes them,
// and runs their activation when one becomes the front screen.
class Navigator {
public:
    using Factory = std::function<std::unique_ptr<Screen>()>;

    Navigator() = default;
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;
    ~Navigator();

    void registerScreen(const QString& name, Factory factory);

    // The screen, created on first use and kept until it is closed.
    Screen& load(const QString& name);
    template <typename T>
    T& screen(const QString& name) { return static_cast<T&>(load(name)); }

    // Loads the screen if needed and brings it to the front; runs its
    // activation when another screen was in front. Shown from behind a
    // cover, it appears only after its activation.
    void show(const QString& name);

    // Closes and unloads the screen. When it was in front, the screen shown
    // most recently before it comes to the front and is activated.
    void close(const QString& name);

    // Closes every screen, the most recently loaded first, activating none.
    void closeAll();

    bool isLoaded(const QString& name) const;
    QString frontScreen() const { return front_; }

private:
    // Shows and raises the screen; on a display larger than it, in the
    // middle, over a backdrop that covers the rest of the display.
    void bringToFront(Screen& screen);
    void placeOnDisplay(Screen& screen);
    void colourBackdrop(const Screen& screen);
    Screen* loaded(const QString& name) const;
    bool coverInFront() const;
    void unload(const QString& name);

    QHash<QString, Factory> factories_;
    std::vector<std::pair<QString, std::unique_ptr<Screen>>> screens_; // in load order
    QStringList shownOrder_;                                           // back to front
    QString front_;
    std::unique_ptr<QWidget> backdrop_; // in the front screen's background colour
};
