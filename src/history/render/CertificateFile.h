#pragma once
// A calibration certificate as a PDF file (A4), for the assistant's result view, the
// history window and korvane-cli calibrate --certificate.
#include <string>

#include "history/Event.h"
#include "platform/Language.h"

namespace korvane::history {

// Writes the certificate of a calibration event to path (a target that cannot take it
// is refused before anything is drawn); false with *error in the language.
bool WriteCertificateFile(const std::string& path, const Event& calibration, Language language, std::string* error);

// The name a certificate file is offered under: "Kalibrierung-A123-2026-03-09.pdf".
std::string CertificateFileName(const Event& calibration, Language language);

}  // namespace korvane::history
