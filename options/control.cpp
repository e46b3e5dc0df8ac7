#include "options/control.h"

namespace defib {

std::string Control::text() const
{
    std::string joined;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            joined += '\n';
        joined += lines_[i];
    }
    return joined;
}

void Control::setText(const std::string& text)
{
    if (lines_.size() == 1 && lines_[0] == text)
        return;
    if (lines_.empty() && text.empty())
        return;
    std::vector<std::string> lines;
    if (!text.empty()) {
        std::size_t start = 0;
        for (;;) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    setLines(std::move(lines));
}

void Control::setLine(std::size_t index, const std::string& text)
{
    if (index < lines_.size() && lines_[index] == text)
        return;
    if (lines_.size() <= index)
        lines_.resize(index + 1);
    lines_[index] = text;
    changed();
}

void Control::addLine(const std::string& text)
{
    lines_.push_back(text);
    if (observer)
        observer->lineAdded(*this, text);
    changed();
}

void Control::insertLine(std::size_t index, const std::string& text)
{
    if (index > lines_.size())
        index = lines_.size();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), text);
    changed();
}

void Control::deleteLine(std::size_t index)
{
    if (index >= lines_.size())
        return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    changed();
}

void Control::setLines(std::vector<std::string> lines)
{
    if (lines == lines_)
        return;
    lines_ = std::move(lines);
    changed();
}

void Control::setColour(Colour colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    if (observer)
        observer->colourChanged(*this);
}

void Control::changed()
{
    ++revision_;
    if (observer)
        observer->textChanged(*this);
}

} // namespace defib
