// The toolbar's five pictures, drawn here: new sheet, open folder, disk, page under a
// magnifier, printer.
#pragma once
#include <QIcon>

namespace plat::qt {

// image: 1-based picture of the toolbar's image list; an empty icon for any other.
QIcon toolbarIcon(int image);

}  // namespace plat::qt
