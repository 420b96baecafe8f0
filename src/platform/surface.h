// The drawing surface shared by picture boxes, preview pages and the printer.
// Positions are twips from the top left; print() writes at the current position and
// ends its line, as the report pages expect.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

using Colour = std::uint32_t;  // 0xRRGGBB
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
// Colour 13 of the classic sixteen-colour palette (light magenta): failed judgements.
constexpr Colour kColour13 = 0xFF00FF;
// The printable width of an A4 sheet in portrait, twips: the page width until told otherwise.
constexpr double kA4PrintableWidth = 11338;

class Surface {
public:
    virtual ~Surface() = default;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    const std::string& fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }
    void setFont(const std::string& name, double size, bool bold = false);
    void setFontName(const std::string& name) { setFont(name, fontSize_, fontBold_); }
    void setFontSize(double size) { setFont(fontName_, size, fontBold_); }

    Colour foreColor() const { return fore_; }
    void setForeColor(Colour c) { fore_ = c; }
    int drawStyle() const { return drawStyle_; }  // 0 solid, 1 dash, 2 dot
    void setDrawStyle(int s) { drawStyle_ = s; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int w) { drawWidth_ = w; }

    // Width of the printable area, twips: a figure that must stay on the page ends there.
    double printableWidth() const { return printableWidth_; }
    void setPrintableWidth(double w) { printableWidth_ = w; }

    // Writes text at the current position, then moves to the start of the next line.
    void print(const std::string& text);
    // Writes text at the current position and leaves the position after it.
    void printInline(const std::string& text);
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, Colour c);
    void clear();
    void newPage();
    void endDoc();

    // Width and height of a text in the current font, in twips. Full-width characters
    // are one em wide, half-width ones half an em (the mapped fonts are monospaced).
    double textWidth(const std::string& text) const;
    double textHeight() const;
    // Lower edge of the lowest text written since the page began that puts ink on it (not
    // an empty line nor a run of blanks), twips (0 on a fresh page).
    double textBottom() const { return textBottom_; }

protected:
    virtual void doText(double x, double y, const std::string& text) = 0;
    virtual void doLine(double x1, double y1, double x2, double y2, Colour c) = 0;
    virtual void doClear() = 0;
    virtual void doNewPage() = 0;
    virtual void doEndDoc() = 0;
    virtual void doFont() {}

private:
    double x_ = 0, y_ = 0;
    double textBottom_ = 0;
    std::string fontName_ = "ＭＳ 明朝";
    double fontSize_ = 9;
    bool fontBold_ = false;
    Colour fore_ = kBlack;
    int drawStyle_ = 0;
    int drawWidth_ = 1;
    double printableWidth_ = kA4PrintableWidth;
};

struct DrawOp {
    enum Kind { Text, Line, Clear, NewPage, EndDoc };
    explicit DrawOp(Kind k) : kind(k) {}
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    Colour colour = kBlack;
    int drawStyle = 0;
    int drawWidth = 1;
};

// Keeps what was drawn; tests compare it and the screen replays it when it repaints.
class RecordingSurface : public Surface {
public:
    const std::vector<DrawOp>& ops() const { return ops_; }
    // Everything drawn since the last clear, grouped by page.
    std::vector<std::string> texts() const;
    void replay(Surface& target) const;
    int pageCount() const;

protected:
    void doText(double x, double y, const std::string& text) override;
    void doLine(double x1, double y1, double x2, double y2, Colour c) override;
    void doClear() override;
    void doNewPage() override;
    void doEndDoc() override;

private:
    std::vector<DrawOp> ops_;
};

}  // namespace plat
