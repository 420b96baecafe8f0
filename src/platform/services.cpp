#include "platform/services.h"

namespace plat {

MessageRequest MessageRequest::fromStyle(std::string text, MsgStyle styleBits, std::string title) {
    const int style = styleBits.bits;
    MessageRequest r;
    r.text = std::move(text);
    r.title = std::move(title);
    switch (style & 0x7) {
        case 1: r.buttons = MsgButtons::OKCancel; break;
        case 4: r.buttons = MsgButtons::YesNo; break;
        default: r.buttons = MsgButtons::OK; break;
    }
    switch (style & 0x70) {
        case 16: r.icon = MsgIcon::Critical; break;
        case 32: r.icon = MsgIcon::Question; break;
        case 48: r.icon = MsgIcon::Exclamation; break;
        case 64: r.icon = MsgIcon::Information; break;
        default: r.icon = MsgIcon::None; break;
    }
    int def = (style >> 8) & 0x3;
    r.defaultButton = r.buttons == MsgButtons::OK ? 0 : (def > 1 ? 1 : def);
    return r;
}

}  // namespace plat
