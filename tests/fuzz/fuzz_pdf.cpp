#include "FuzzTarget.h"

#include "CFileUtils.h"
#include "CPdfDocument.h"
#include "TestEnv.h"

#include <QtGlobal>

// A PDF file from anywhere, opened the way the engine opens a document.
RV_FUZZ_TARGET(pdf)
{
    static const QString path = TestEnv::MakeDir("pdf") + "/input.pdf";
    FUZZ_CHECK(MKBase::CFileUtils::WriteFileBytes(path, data));
    CPdfDocument::LoadStatus status = CPdfDocument::Missing;
    const std::shared_ptr<CPdfDocument> document = CPdfDocument::Load(path, QByteArray(), &status);
    FUZZ_CHECK(bool(document) == (status == CPdfDocument::Loaded));
    if (!document) {
        FUZZ_CHECK(status == CPdfDocument::Damaged || status == CPdfDocument::NeedsPassword);
        return;
    }
    FUZZ_CHECK(document->PageCount() > 0);
    const QSizeF size = document->PageSize(0);
    FUZZ_CHECK(size.isValid() && !size.isEmpty());
    // Page 1 as a small thumbnail: 64 pixels on its longer side.
    const double scale = 64.0 / qMax(size.width(), size.height());
    const QImage image = document->RenderPage(0, scale);
    if (!image.isNull())
        FUZZ_CHECK(image.width() <= 66 && image.height() <= 66);
    document->PageWords(0);
    document->Outline();
}
