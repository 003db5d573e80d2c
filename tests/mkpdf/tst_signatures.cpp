// Signatures checked, made and listed with certificates made for the test
// in the test's own certificate store ($HOME/.pki/nssdb of its private
// home): "Alice" issued by a trusted test authority, "Stranger" signing
// itself, and "Bob" made in another store and brought in as a PKCS#12 file.

#include "A11yCheck.h"
#include "CAnnotationLayer.h"
#include "CCommentController.h"
#include "CEditSession.h"
#include "CFormBar.h"
#include "CFormController.h"
#include "CNssStore.h"
#include "CPageView.h"
#include "CSidePanel.h"
#include "CSignBox.h"
#include "CSignatureAreaLayer.h"
#include "CSignatureBar.h"
#include "CSignatureController.h"
#include "CSignaturePanel.h"
#include "CSignatures.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QRegularExpression>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <memory>

namespace {

QString StoreDir()
{
    return "sql:" + CNssStore::DirPath();
}

// A tool of libnss3-tools on the store (or another): its output on failure.
QString RunTool(const QString& program, const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted())
        return program + " did not start";
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return QString();
    return program + " " + args.join(' ') + ": " + QString::fromUtf8(process.readAll());
}

// A document opened as a tab would be, once its signatures are checked.
std::unique_ptr<MainBox> OpenChecked(const QString& path)
{
    int result = -1;
    std::unique_ptr<MainBox> box(qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, path, {}, result)));
    if (box && !QTest::qWaitFor([&box]() { return box->Signatures()->IsChecked(); }, 30000))
        box.reset();
    return box;
}

PdfSignRequest Request(const QString& nickname, int nPage = 0, const QRectF& rect = QRectF(60, 80, 200, 60))
{
    PdfSignRequest request;
    request.certificate = nickname;
    request.page = nPage;
    request.rect = rect;
    request.reason = QStringLiteral("Approved");
    request.location = QStringLiteral("Berlin");
    return request;
}

// Signs source into target through the document's own controller, as the
// dialog would; the error, empty on success.
QString SignWithBox(const QString& source, const PdfSignRequest& request, const QString& target,
                    QStringList* opened = nullptr)
{
    std::unique_ptr<MainBox> box = OpenChecked(source);
    if (!box)
        return "could not open " + source;
    QSignalSpy signedSpy(box->Signatures(), &CSignatureController::SignalSigned);
    QSignalSpy openSpy(box.get(), &MainBox::SignalDocumentOpenAttachment);
    box->Signatures()->SignTo(request, QStringLiteral("Alice Example"), target);
    if (!signedSpy.wait(60000))
        return "signing did not finish";
    if (opened && !openSpy.isEmpty())
        *opened << openSpy.first().at(0).toString();
    return signedSpy.first().at(1).toString();
}

} // namespace

class TestSignatures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signAndCheck_data();
    void signAndCheck();
    void refusesBadInput_data();
    void refusesBadInput();
    void signingFlow();

private:
    QString dir;
    QString bobFile;
};

void TestSignatures::initTestCase()
{
    // Made before anything in this process opens the store.
    dir = TestEnv::MakeDir("signatures");
    QVERIFY(CNssStore::DirPath().startsWith(TestEnv::Home()));
    QVERIFY(QDir().mkpath(CNssStore::DirPath()));
    const QString noise = dir + "/noise";
    QVERIFY(TestPdf::WriteBytes(noise, TestPdf::Garbage(2048, 7)));
    const QString other = dir + "/otherdb";
    QVERIFY(QDir().mkpath(other));
    for (const QString& store : {StoreDir(), "sql:" + other})
        QCOMPARE(RunTool("certutil", {"-N", "-d", store, "--empty-password"}), QString());
    const QStringList make {"-S", "-k", "rsa", "-g", "2048", "-v", "24", "-z", noise};
    // The authority: a CA, trusted for signing e-mail and documents.
    QCOMPARE(RunTool("certutil",
                     make + QStringList {"-d", StoreDir(), "-n", "Test CA", "-s", "CN=RVPDF Test CA,O=RVPDF Tests", "-x",
                                         "-t", "CT,C,C", "-2", "--keyUsage", "certSigning,crlSigning", "-m", "1"},
                     "y\n\ny\n"),
             QString());
    QCOMPARE(RunTool("certutil", make + QStringList {"-d", StoreDir(), "-n", "Alice", "-s",
                                                     "CN=Alice Example,O=RVPDF Tests", "-c", "Test CA", "-t", "u,u,u",
                                                     "--keyUsage", "digitalSignature,nonRepudiation", "-m", "2"}),
             QString());
    QCOMPARE(RunTool("certutil", make + QStringList {"-d", StoreDir(), "-n", "Stranger", "-s", "CN=Sam Stranger", "-x",
                                                     "-t", "u,u,u", "--keyUsage", "digitalSignature", "-m", "3"}),
             QString());
    QCOMPARE(RunTool("certutil", make + QStringList {"-d", "sql:" + other, "-n", "Bob", "-s", "CN=Bob Builder", "-x",
                                                     "-t", "u,u,u", "--keyUsage", "digitalSignature", "-m", "4"}),
             QString());
    bobFile = dir + "/bob.p12";
    QCOMPARE(RunTool("pk12util", {"-o", bobFile, "-n", "Bob", "-d", "sql:" + other, "-W", "bob-secret"}), QString());
}

void TestSignatures::signAndCheck_data()
{
    // Who signs, in turn ("A+B"); "import": Bob, from his PKCS#12 file.
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<bool>("emptyField");
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("tamper");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("pdfsig");
    QTest::newRow("trusted signer") << "Alice" << false << 1 << false << int(PdfSignature::Valid)
                                    << "Signed by Alice Example, the signature is valid."
                                    << "Certificate is Trusted";
    QTest::newRow("self-signed certificate")
        << "Stranger" << false << 1 << false << int(PdfSignature::Untrusted)
        << "Signed by Sam Stranger, the certificate is not trusted." << "Signature is Valid";
    QTest::newRow("a byte changed after signing")
        << "Alice" << false << 1 << true << int(PdfSignature::Changed)
        << "Signed by Alice Example, the document was changed after signing." << "Digest Mismatch";
    QTest::newRow("empty field signed") << "Alice" << true << 1 << false << int(PdfSignature::Valid)
                                        << "Signed by Alice Example, the signature is valid." << "Approval";
    QTest::newRow("imported from PKCS#12") << "import" << false << 1 << false << int(PdfSignature::Untrusted)
                                           << "Signed by Bob Builder, the certificate is not trusted."
                                           << "Bob Builder";
    QTest::newRow("signed twice") << "Alice" << false << 2 << false << int(PdfSignature::Valid)
                                  << "Signed by Alice Example, every signature is valid." << "Signature #2";
    QTest::newRow("second signer not trusted")
        << "Alice+Stranger" << false << 2 << false << int(PdfSignature::Untrusted)
        << "Signed by Alice Example, Sam Stranger; the certificate of Sam Stranger is not trusted." << "Sam Stranger";
}

void TestSignatures::signAndCheck()
{
    QFETCH(QString, certificate);
    QFETCH(bool, emptyField);
    QFETCH(int, times);
    QFETCH(bool, tamper);
    QFETCH(int, verdict);
    QFETCH(QString, bar);
    QFETCH(QString, pdfsig);
    const QString folder = TestEnv::MakeDir(QString("sign-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    const QString source = folder + "/source.pdf";
    QVERIFY(emptyField ? TestPdf::WriteBytes(source, TestPdf::SignatureFieldPdf()) : TestPdf::Write(source, 2));
    const QByteArray original = TestPdf::ReadBytes(source);

    if (certificate == "import") {
        QString error;
        QVERIFY2(CNssStore::ImportPkcs12(bobFile, "bob-secret", &certificate, &error), qPrintable(error));
        QVERIFY(!certificate.isEmpty());
    }
    // Offered to sign with; the authority, whose key only signs
    // certificates, is not.
    const QStringList signers = certificate.split('+');
    QStringList offered;
    for (const PdfCertificate& cert : CNssStore::SigningCertificates())
        offered << cert.nickname;
    for (const QString& signer : signers)
        QVERIFY2(offered.contains(signer) && !offered.contains("Test CA"), qPrintable(offered.join(", ")));

    PdfSignRequest request = Request(signers.first());
    if (emptyField) {
        // The empty field is told of before anyone signs.
        std::unique_ptr<MainBox> box = OpenChecked(source);
        QVERIFY(box);
        QCOMPARE(box->Signatures()->Bar()->Text(), QString("This document has a signature field waiting to be signed."));
        QCOMPARE(box->Signatures()->Signatures().size(), 1);
        QCOMPARE(box->Signatures()->Signatures().first().fieldName, QString("Approval"));
        // Enter on its page takes the field (the dialog that follows is left).
        QSignalSpy placed(box->Signatures()->Layer(), &CSignatureAreaLayer::SignalPlaced);
        std::unique_ptr<ModalAnswerer> cancel(ModalAnswerer::Clicking("button_cancel"));
        box->Signatures()->Layer()->Start();
        QTest::keyClick(box->PageView(), Qt::Key_Return);
        QCOMPARE(placed.count(), 1);
        QCOMPARE(placed.first().at(2).toString(), QString("Approval"));
        request.fieldName = "Approval";
    }
    QString signedFile = source;
    for (int i = 1; i <= times; ++i) {
        const QString target = folder + QString("/signed-%1.pdf").arg(i);
        QStringList opened;
        // The second signature goes lower on the page.
        if (i > 1)
            request.rect.translate(0, 100);
        request.certificate = signers.value((i - 1) % signers.size());
        QCOMPARE(SignWithBox(signedFile, request, target, &opened), QString());
        QCOMPARE(opened, QStringList {target});
        signedFile = target;
    }
    QCOMPARE(TestPdf::ReadBytes(source), original);
    if (tamper) {
        QByteArray bytes = TestPdf::ReadBytes(signedFile);
        // A byte of the binary comment under the header: the file still
        // reads, but it is not what was signed.
        bytes[11] = char(bytes.at(11) ^ 0x01);
        QVERIFY(TestPdf::WriteBytes(signedFile, bytes));
    }

    std::unique_ptr<MainBox> box = OpenChecked(signedFile);
    QVERIFY(box);
    CSignatureController* signatures = box->Signatures();
    QCOMPARE(signatures->Bar()->Text(), bar);
    QCOMPARE(int(signatures->Bar()->Verdict()), verdict);
    QVERIFY(!signatures->Bar()->isHidden());
    // A signature field is nothing to fill in.
    QCOMPARE(box->Forms()->Bar()->GetState(), CFormBar::NoForm);
    QCOMPARE(signatures->Signatures().size(), times);
    CSignaturePanel* panel = box->SidePanel()->SignaturePanel();
    QCOMPARE(panel->Tree()->topLevelItemCount(), times);
    const PdfSignature& last = signatures->Signatures().last();
    QCOMPARE(last.reason, QString("Approved"));
    QCOMPARE(last.location, QString("Berlin"));
    QVERIFY(last.time.secsTo(QDateTime::currentDateTime()) < 600);
    QVERIFY(last.wholeDocument);
    if (verdict == PdfSignature::Valid) {
        const QString lines = panel->Lines(times - 1).join('\n');
        for (const char* expected : {"Certificate issued by RVPDF Test CA", "Key usage: Digital signature, "
                                     "Non-repudiation", "Reason: Approved", "Location: Berlin", "Certificate valid from"})
            QVERIFY2(lines.contains(expected), qPrintable(lines));
    }
    if (times > 1) {
        // The first signature covers the revision before the second, which
        // opens in a tab of its own, as signed.
        const PdfSignature& first = signatures->Signatures().first();
        QVERIFY(!first.wholeDocument);
        QVERIFY(panel->Lines(0).join('\n').contains("earlier revision"));
        QSignalSpy opened(box.get(), &MainBox::SignalDocumentOpenAttachment);
        panel->SetCurrentIndex(0);
        panel->RevisionButton()->click();
        QVERIFY(opened.wait(30000));
        const QString revision = opened.first().at(0).toString();
        QVERIFY(revision.startsWith(TestEnv::Root()));
        QCOMPARE(TestPdf::ReadBytes(revision), TestPdf::ReadBytes(folder + "/signed-1.pdf"));
        std::unique_ptr<MainBox> old = OpenChecked(revision);
        QVERIFY(old);
        QCOMPARE(old->Signatures()->Signatures().size(), 1);
        QVERIFY(old->Signatures()->Signatures().first().wholeDocument);
    }
    // Another reader of signatures agrees.
    QProcess check;
    check.start("pdfsig", {"-nssdir", StoreDir(), signedFile});
    QVERIFY(check.waitForFinished(60000));
    const QString report = QString::fromUtf8(check.readAllStandardOutput());
    QVERIFY2(report.contains(pdfsig), qPrintable(report));
}

void TestSignatures::refusesBadInput_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("error");
    QTest::newRow("signed over the original") << "same-file" << "must be saved as a new file";
    QTest::newRow("no such certificate") << "unknown-certificate" << "could not be signed";
    QTest::newRow("no certificate chosen") << "no-certificate" << "Choose a certificate";
    QTest::newRow("target folder not writable") << "unwritable" << "does not allow writing";
    QTest::newRow("no place chosen") << "no-place" << "Draw the place";
    QTest::newRow("field that is not there") << "missing-field" << "no signature field";
    QTest::newRow("damaged document") << "damaged" << "could not be read";
    QTest::newRow("wrong PKCS#12 password") << "wrong-password" << "password does not open";
    QTest::newRow("not a PKCS#12 file") << "not-pkcs12" << "not a certificate file";
    QTest::newRow("revision past the end") << "long-revision" << "no longer in the file";
}

void TestSignatures::refusesBadInput()
{
    QFETCH(QString, what);
    QFETCH(QString, error);
    const QString folder = TestEnv::MakeDir("bad-" + what);
    const QString source = folder + "/source.pdf";
    const QString target = folder + "/target.pdf";
    QVERIFY(what == "damaged" ? TestPdf::WriteBytes(source, "%PDF-1.7\n" + TestPdf::Garbage(4000, 3))
                              : TestPdf::Write(source, 1));
    const QByteArray original = TestPdf::ReadBytes(source);
    PdfSignRequest request = Request("Alice");
    QString reason;
    bool ok = true;
    if (what == "wrong-password" || what == "not-pkcs12") {
        ok = CNssStore::ImportPkcs12(what == "wrong-password" ? bobFile : source, "nope", nullptr, &reason);
    } else if (what == "long-revision") {
        ok = CSignatures::WriteRevision(source, original.size() + 10, target, &reason);
    } else {
        if (what == "unknown-certificate" || what == "no-certificate")
            request.certificate = what == "no-certificate" ? QString() : "Nobody";
        else if (what == "no-place")
            request.page = -1;
        else if (what == "missing-field")
            request.fieldName = "Nowhere";
        // A file where the folder should be is not writable, even for root.
        const QString to = what == "same-file" ? source : what == "unwritable" ? source + "/target.pdf" : target;
        ok = CSignatures::Sign(source, QByteArray(), request, to, &reason);
    }
    QVERIFY(!ok);
    QVERIFY2(reason.contains(error), qPrintable(reason));
    QCOMPARE(TestPdf::ReadBytes(source), original);
    QVERIFY(!QFileInfo::exists(target));
    // Nothing half written is left beside the target.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList {"source.pdf"});
}

// The way a user goes: the menu key on a document with unsaved comments,
// the question to save first, the place by keyboard, the dialog (named for
// screen readers), the new file's name; the signed copy opens.
void TestSignatures::signingFlow()
{
    const QString folder = TestEnv::MakeDir("flow");
    const QString source = folder + "/report.pdf";
    QVERIFY(TestPdf::Write(source, 2));
    std::unique_ptr<MainBox> box = OpenChecked(source);
    QVERIFY(box);
    box->resize(900, 700);
    box->show();
    QVERIFY(box->Signatures()->Bar()->isHidden());
    CAnnotationLayer* comments = box->Comments()->Layer();
    PdfAnnotation note = comments->NewAnnotation(CCommentOptions::Rectangle, 0);
    note.rect = QRectF(100, 100, 80, 60);
    comments->AddAnnotation(note);
    QVERIFY(box->IsDirty());

    const QString target = folder + "/report-signed.pdf";
    const QString picture = folder + "/hand.png";
    QImage hand(90, 30, QImage::Format_RGB32);
    hand.fill(Qt::darkBlue);
    QVERIFY(hand.save(picture));
    QStringList a11y;
    QStringList seen;
    ModalAnswerer answer(
        [&](QWidget* dialog) {
            if (auto* sign = qobject_cast<CSignBox*>(dialog)) {
                a11y = A11yCheck::Problems(sign);
                sign->ReasonEdit()->setText("Approved");
                sign->LocationEdit()->setText("Berlin");
                sign->ImageEdit()->setText(picture);
                sign->CertificateBox()->setCurrentText("Alice Example");
                ModalAnswerer::ClickButton(sign, "button_ok");
            } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                seen << files->selectedFiles();
                files->selectFile(target);
                static_cast<QDialog*>(files)->accept();
            } else {
                ModalAnswerer::ClickButton(dialog, "button_3");
            }
        },
        3);
    box->OnMainMenuTrigger("sign");
    QCOMPARE(answer.AnsweredCount(), 1);
    QVERIFY(answer.SeenTexts().first().contains("before signing"));
    QVERIFY(!box->IsDirty());
    QVERIFY(box->Signatures()->IsPlacing());
    QVERIFY(box->Signatures()->Bar()->Text().startsWith("Drag a box on a page"));

    QSignalSpy opened(box.get(), &MainBox::SignalDocumentOpenAttachment);
    QTest::keyClick(box->PageView(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 60000);
    QCOMPARE(answer.AnsweredCount(), 3);
    QVERIFY2(a11y.isEmpty(), qPrintable(a11y.join("; ")));
    QCOMPARE(seen, QStringList {folder + "/report-signed.pdf"});
    QCOMPARE(opened.first().at(0).toString(), target);
    QVERIFY(!box->Signatures()->IsPlacing());

    std::unique_ptr<MainBox> result = OpenChecked(target);
    QVERIFY(result);
    QCOMPARE(result->Signatures()->Bar()->Verdict(), PdfSignature::Valid);
    const PdfSignature made = result->Signatures()->Signatures().value(0);
    QCOMPARE(made.reason, QString("Approved"));
    // The picture went into the signature's look.
    const QByteArray bytes = TestPdf::ReadBytes(target);
    QVERIFY(QRegularExpression("/Subtype\\s*/Image").match(QString::fromLatin1(bytes.constData(), bytes.size())).hasMatch());
    // In the middle of the current (A4) page, at the usual size.
    QCOMPARE(made.page, 0);
    QVERIFY(qAbs(made.rect.center().x() - 595 / 2.0) < 2);
    QVERIFY(qAbs(made.rect.width() - CSignatureAreaLayer::kWidth) < 2);
    // The original keeps its saved comment and no signature.
    QCOMPARE(box->Signatures()->Signatures().size(), 0);
    QVERIFY(TestPdf::Annotations(source).join(' ').contains("Square"));

    // Saving the signed file: a comment is appended and keeps the signature
    // without a question; a turned page would rewrite the file, so the user
    // is asked, and the signed file stays as it was unless they go on.
    result->Comments()->Layer()->AddAnnotation(note);
    result->OnMainMenuTrigger("save");
    QVERIFY(!result->IsDirty());
    QCOMPARE(OpenChecked(target)->Signatures()->Bar()->Verdict(), PdfSignature::Valid);
    CPagePlan plan = result->Session()->Plan();
    plan.Rotate({0}, 90);
    result->Session()->ApplyPlan(plan, "turn", {});
    const QByteArray signedBytes = TestPdf::ReadBytes(target);
    const QString copy = folder + "/report-turned.pdf";
    struct Answer
    {
        const char* button;
        bool saved;
    };
    for (const Answer& step : {Answer {"button_1", false}, Answer {"button_3", true}}) {
        ModalAnswerer turned(
            [&](QWidget* dialog) {
                if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                    // Typed over the proposed name, as a user would.
                    files->findChild<QLineEdit*>("fileNameEdit")->setText(copy);
                    static_cast<QDialog*>(files)->accept();
                } else {
                    ModalAnswerer::ClickButton(dialog, step.button);
                }
            },
            step.saved ? 2 : 1);
        result->OnMainMenuTrigger("save");
        QCOMPARE(result->IsDirty(), !step.saved);
        QVERIFY2(turned.SeenTexts().value(0).contains("break the signatures"), qPrintable(turned.SeenTexts().join('|')));
        QCOMPARE(TestPdf::ReadBytes(target), signedBytes);
    }
    QCOMPARE(result->GetDocumentFilePath(), copy);
    QVERIFY(!result->IsDirty());
}

RV_TEST_MAIN(TestSignatures)
#include "tst_signatures.moc"
