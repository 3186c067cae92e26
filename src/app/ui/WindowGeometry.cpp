#include "app/ui/WindowGeometry.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace app::ui {

WindowGeometry::WindowGeometry(QWidget *window, std::string section, int firstRank)
    : QObject(window), window_(window), section_(std::move(section)), firstRank_(firstRank)
{
    window->installEventFilter(this);
}

std::vector<settings::Setting> WindowGeometry::keys()
{
    const auto key = [this](const char *name, int offset) {
        return settings::KeyPlace{section_, name, settings::Rank(firstRank_ + offset)};
    };
    const auto placeIfKnown = [this](bool left) -> std::optional<int> {
        if (!placed_)
            return std::nullopt;
        return left ? position().x() : position().y();
    };
    return {
        settings::OptionalIntegerSetting(
            key("Left", 0), [this](std::optional<int> left) { stored_.left = left; },
            [=] { return placeIfKnown(true); }),
        settings::OptionalIntegerSetting(
            key("Top", 1), [this](std::optional<int> top) { stored_.top = top; },
            [=] { return placeIfKnown(false); }),
        settings::OptionalIntegerSetting(
            key("Width", 2), [this](std::optional<int> width) { stored_.width = width; },
            [this] { return std::optional(size().width()); }),
        settings::OptionalIntegerSetting(
            key("Height", 3),
            [this](std::optional<int> height) {
                stored_.height = height;
                if (RestoreGeometry(window_, stored_))
                    placed_ = true;
            },
            [this] { return std::optional(size().height()); }),
    };
}

QPoint WindowGeometry::position() const
{
    return window_->isVisible() || !hiddenAt_ ? window_->pos() : *hiddenAt_;
}

QSize WindowGeometry::size() const
{
    return window_->isVisible() || !hiddenAt_ ? window_->size() : hiddenSize_;
}

bool WindowGeometry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Show) {
            placed_ = true;
        } else if (event->type() == QEvent::Hide) {
            hiddenAt_ = window_->pos();
            hiddenSize_ = window_->size();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app::ui
