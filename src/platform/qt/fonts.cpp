#include "platform/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace plat::qt {

namespace {
struct Mapping {
    const char* name;
    const char* family;
};
constexpr Mapping kMappings[] = {
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
};
constexpr const char* kFontFiles[] = {
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
    "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
};
}  // namespace

void registerFonts() {
    // Installed fonts are known to fontconfig already; registering the files as well keeps
    // the program working where fontconfig's cache is stale.
    for (const char* path : kFontFiles)
        if (QFile::exists(QString::fromUtf8(path))) QFontDatabase::addApplicationFont(QString::fromUtf8(path));
    for (const Mapping& m : kMappings)
        QFont::insertSubstitution(QString::fromUtf8(m.name), QString::fromUtf8(m.family));
}

QString mappedFamily(const std::string& name) {
    for (const Mapping& m : kMappings)
        if (name == m.name) return QString::fromUtf8(m.family);
    return QString::fromStdString(name);
}

QFont toQFont(const std::string& name, double points, bool bold) {
    QFont f(mappedFamily(name));
    f.setPointSizeF(points > 0 ? points : 9);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont toQFont(const plat::Font& font) { return toQFont(font.name, font.size, font.bold); }

}  // namespace plat::qt
