#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace defib {

// 24-bit colour values with red in the low byte, as the device's LEDs use them.
using Colour = std::uint32_t;
inline constexpr Colour clWhite = 0xFFFFFF;
inline constexpr Colour clGreen = 0x008000;
inline constexpr Colour clYellow = 0x00FFFF;
inline constexpr Colour clRed = 0x0000FF;
inline constexpr Colour clBlack = 0x000000;

class Control;

// Told about every change a trainee could see: the runner prints them, the window repaints.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void textChanged(const Control&) { }
    virtual void lineAdded(const Control&, const std::string&) { }
    virtual void colourChanged(const Control&) { }
};

// The plain model of one control of a window: what the logic reads and writes of it.
// A label or edit holds one line; a memo or list holds many. text() joins lines with "\n".
class Control {
public:
    explicit Control(std::string name, bool visible = true, bool enabled = true)
        : visible(visible)
        , enabled(enabled)
        , name_(std::move(name))
    {
    }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }

    std::string text() const;
    void setText(const std::string& text);

    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t lineCount() const { return lines_.size(); }
    std::string line(std::size_t index) const { return index < lines_.size() ? lines_[index] : std::string(); }
    // Replaces one line; a memo shorter than that is first filled with empty lines.
    void setLine(std::size_t index, const std::string& text);
    void addLine(const std::string& text);
    void insertLine(std::size_t index, const std::string& text);
    void deleteLine(std::size_t index);
    void setLines(std::vector<std::string> lines);
    void clear() { setLines({}); }

    // Goes up with every change of the text, so that a view can tell cheaply whether to redraw.
    std::uint64_t revision() const { return revision_; }

    Colour colour() const { return colour_; }
    void setColour(Colour colour);

    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int tag = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    ControlObserver* observer = nullptr;

private:
    void changed();

    std::string name_;
    std::vector<std::string> lines_;
    std::uint64_t revision_ = 0;
    Colour colour_ = clWhite;
};

} // namespace defib
