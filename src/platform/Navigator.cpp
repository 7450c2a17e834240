#include "platform/Navigator.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <stdexcept>

Navigator::~Navigator()
{
    // The most recently loaded screen may refer to earlier ones: it goes first.
    while (!screens_.empty())
        screens_.pop_back();
}

void Navigator::registerScreen(const QString& name, Factory factory)
{
    factories_.insert(name, std::move(factory));
}

Screen* Navigator::loaded(const QString& name) const
{
    for (const auto& [screenName, screen] : screens_)
        if (screenName == name)
            return screen.get();
    return nullptr;
}

bool Navigator::isLoaded(const QString& name) const { return loaded(name) != nullptr; }

Screen& Navigator::load(const QString& name)
{
    if (Screen* screen = loaded(name))
        return *screen;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd())
        throw std::logic_error("no screen registered as " + name.toStdString());
    screens_.emplace_back(name, (*factory)());
    return *screens_.back().second;
}

void Navigator::bringToFront(Screen& screen)
{
    placeOnDisplay(screen);
    screen.show();
    screen.raise();
    screen.activateWindow();
}

void Navigator::placeOnDisplay(Screen& screen)
{
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QRect area = display->geometry();
    if (area.width() <= screen.width() && area.height() <= screen.height())
        return; // the screen is the whole display, as it was made to be
    QRect placed(QPoint(), screen.size());
    placed.moveCenter(area.center());
    screen.move(placed.topLeft());
    if (!backdrop_) {
        // Shown once, below every screen: the desktop does not show around
        // the program, and a click beside it reaches no other program.
        backdrop_ = std::make_unique<QWidget>(
            nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
        backdrop_->setAutoFillBackground(true);
        backdrop_->setGeometry(area);
        backdrop_->show();
    }
    colourBackdrop(screen);
}

void Navigator::colourBackdrop(const Screen& screen)
{
    if (!backdrop_)
        return;
    QPalette colours = backdrop_->palette();
    colours.setColor(QPalette::Window, screen.palette().color(QPalette::Window));
    backdrop_->setPalette(colours);
}

bool Navigator::coverInFront() const
{
    const Screen* front = loaded(front_);
    return front && front->isCover();
}

void Navigator::show(const QString& name)
{
    Screen& screen = load(name);
    shownOrder_.removeAll(name);
    shownOrder_ << name;
    if (front_ == name) {
        bringToFront(screen);
        return;
    }
    // Behind a cover the child never sees the screen half filled.
    const bool preparedBehindCover = coverInFront();
    if (!preparedBehindCover)
        bringToFront(screen);
    front_ = name;
    screen.activate();
    if (front_ != name)
        return; // closed or replaced meanwhile
    if (preparedBehindCover)
        bringToFront(*loaded(name));
    colourBackdrop(*loaded(name)); // in the colour its activation chose
}

void Navigator::unload(const QString& name)
{
    const auto it = std::find_if(screens_.begin(), screens_.end(),
                                 [&](const auto& entry) { return entry.first == name; });
    if (it == screens_.end())
        return;
    shownOrder_.removeAll(name);
    if (front_ == name)
        front_.clear();
    // The screen may be closing itself from one of its own handlers: hide it
    // now and delete it once that handler has returned.
    Screen* screen = it->second.release();
    screens_.erase(it);
    screen->hide();
    screen->deleteLater();
}

void Navigator::close(const QString& name)
{
    const bool wasFront = front_ == name;
    unload(name);
    if (wasFront && !shownOrder_.isEmpty())
        show(shownOrder_.back());
}

void Navigator::closeAll()
{
    while (!screens_.empty())
        unload(screens_.back().first);
}
