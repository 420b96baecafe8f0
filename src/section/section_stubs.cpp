// Section design procedures still to be written; each lives in its own file once done.
#include "section/section_screen.h"

