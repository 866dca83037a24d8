#pragma once

#include <filesystem>

namespace vantrel {

class CVantrelView;
class Notifier;

// File > Export > Picture: the view's picture as the view shows it now, at
// the view's size, into a PNG, SVG or PDF file by the name's extension. Any
// other name, and a file that cannot be written, is told through the
// notifier and leaves an existing file as it was. True when written.
bool ExportPicture(CVantrelView& view, const std::filesystem::path& path, Notifier& notifier);

} // namespace vantrel
