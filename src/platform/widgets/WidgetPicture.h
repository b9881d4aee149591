#pragma once
// A widget's drawing as a file: a PDF page (A4 landscape) or a PNG picture, chosen by
// the name's extension (platform/render/PictureFile.h). The old file is replaced only by
// a complete new one.
#include <QString>

#include <string>

#include "platform/Language.h"
#include "platform/render/PictureFile.h"

class QWidget;

namespace korvane::platform {

// Draws the widget as it is shown (its size, its children) into path; the PDF carries
// title. False with *error (in the language) when it cannot be saved.
bool SaveWidgetPicture(QWidget& widget, const std::string& path, const QString& title, std::string* error,
                       Language language);

}  // namespace korvane::platform
