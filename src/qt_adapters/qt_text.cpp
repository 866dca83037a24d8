#include "qt_adapters/qt_text.h"
