#pragma once

#include <QString>

namespace MKBase {

// Association of the application with PDF files in the desktop's MIME
// handler settings.
class CAssocUtils
{
public:
    static bool SetPdfLauncher(const QString& bundleId, const QString& title, bool makeDefault);
    static bool ResetPdfLauncher(const QString& bundleId);
    static bool IsDefaultPdfLauncher(const QString& bundleId);
};

} // namespace MKBase
