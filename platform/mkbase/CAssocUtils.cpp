#include "CAssocUtils.h"

#include "LoggerObject.h"

namespace MKBase {

// The registration through the freedesktop MIME application rules is not
// written yet: every call reports failure so callers never believe a
// registration happened.
bool CAssocUtils::SetPdfLauncher(const QString& bundleId, const QString& title, bool makeDefault)
{
    MK_LOG("pdf launcher not registered: %s %s default=%d", qUtf8Printable(bundleId),
           qUtf8Printable(title), makeDefault ? 1 : 0);
    return false;
}

bool CAssocUtils::ResetPdfLauncher(const QString& bundleId)
{
    MK_LOG("pdf launcher not reset: %s", qUtf8Printable(bundleId));
    return false;
}

bool CAssocUtils::IsDefaultPdfLauncher(const QString& bundleId)
{
    Q_UNUSED(bundleId);
    return false;
}

} // namespace MKBase
