#include "history/render/CertificateFile.h"

#include <QDateTime>

#include "history/CalibrationCertificate.h"
#include "history/HistoryTexts.h"
#include "platform/Texts.h"
#include "platform/SafeFile.h"
#include "platform/render/PdfPage.h"

namespace korvane::history {

bool WriteCertificateFile(const std::string& path, const Event& e, Language l, std::string* error) {
  if (std::string problem = platform::WriteTargetProblem(path, l); !problem.empty()) {
    *error = path + ": " + problem;
    return false;
  }
  platform::PdfPage page(path, Tr(l, kCertificateTitle), l);
  if (!LayoutCertificate(page, e, l)) {
    *error = path + ": " + page.failure();
    return false;
  }
  return true;
}

std::string CertificateFileName(const Event& e, Language l) {
  std::string id;
  for (char c : e.identity)
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) id += c;
  const std::string day = QDateTime::fromMSecsSinceEpoch(e.timeMs).toString(QStringLiteral("yyyy-MM-dd")).toStdString();
  return Tr(l, kCertificateFilePrefix) + (id.empty() ? "" : "-" + id) + "-" + day + ".pdf";
}

}  // namespace korvane::history
