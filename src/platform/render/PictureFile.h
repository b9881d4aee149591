#pragma once
// A drawing as a file: a PDF page (A4 landscape) or a PNG picture, chosen by the name's
// extension. The old file is replaced only by a complete new one. Qt GUI only.
#include <QByteArray>
#include <QString>

#include <functional>
#include <string>

#include "platform/Language.h"

class QPainter;

namespace korvane::platform {

// True for names ending in .pdf or .png (any case).
bool IsPictureFileName(const std::string& path);
bool IsPdfFileName(const std::string& path);

// One A4 landscape page at 150 dpi (10 mm margins) with title, painted by draw; its top
// left is the painter's origin.
QByteArray PdfOfDrawing(const QString& title, const std::function<void(QPainter&)>& draw);

// Puts a picture's bytes into path, replacing it whole; false with *error (in the
// language) when they are empty or cannot be saved.
bool SavePictureBytes(const std::string& path, const QByteArray& bytes, std::string* error, Language language);

}  // namespace korvane::platform
