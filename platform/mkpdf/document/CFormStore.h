#pragma once

#include <QHash>
#include <QObject>
#include <QRectF>
#include <QStringList>
#include <QVector>

#include <memory>

class CPdfDocument;

// One widget of a form field, as the form tools see it; the rectangle is in
// page points, top left origin, page turn applied.
struct PdfFormField
{
    enum Type { Text, CheckBox, Radio, ComboBox, ListBox, PushButton, Signature };

    int id = -1;
    int page = -1;
    Type type = Text;
    QRectF rect;
    QString name; // fully qualified
    bool readOnly = false;
    bool visible = true;
    // Text fields.
    QString text;
    bool multiline = false;
    bool password = false;
    int maxLength = -1;
    double fontSize = 0; // 0: fitted to the field
    // Buttons.
    bool state = false;
    QList<int> siblings; // the other buttons of a radio group
    bool resets = false; // a push button that resets fields
    // Choices.
    QStringList choices;
    QList<int> current;
    bool editable = false;
    bool multiSelect = false;
    QString editText;

    bool IsValid() const { return id >= 0; }
    bool IsFillable() const { return !readOnly && visible && type != PushButton && type != Signature; }
    // The value alone, for telling whether a change changed anything.
    bool SameValue(const PdfFormField& other) const;
};

// The form fields of one open document, filled in in the document's own
// parser until a save writes them out. Values change only through undo
// commands (CFormFieldCommand). Also knows what a reset button resets and
// to what, read from the file.
class CFormStore : public QObject
{
    Q_OBJECT
public:
    explicit CFormStore(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr);
    ~CFormStore() override;

    std::shared_ptr<CPdfDocument> Document() const { return document; }
    // Fields to fill in: signature fields are the signatures' own.
    bool HasFields();
    // An XFA form with nothing a reader of ordinary forms could fill.
    bool IsXfaOnly();
    // False when the document's permissions forbid filling in its form.
    bool CanFill() const { return canFill; }

    QVector<PdfFormField> PageFields(int nPage);
    // Every field of the document in the order Tab goes through them.
    QVector<PdfFormField> AllFields();
    PdfFormField Find(int nId);
    PdfFormField FieldAt(int nPage, const QPointF& point);

    // The fields a push button resets, each with its value after the reset.
    QVector<PdfFormField> ResetValues(const PdfFormField& button);

    // For the undo commands: gives each field the value it carries (a text
    // no longer than the field allows). Read-only fields are left alone.
    bool SetValues(const QVector<PdfFormField>& values);
    bool HasChanges() const { return changed; }

signals:
    void SignalPageChanged(int nPage);

private:
    struct ResetAction
    {
        QStringList fields;
        bool exclude = false;
    };
    void ReadFile();
    void LoadAll();

    std::shared_ptr<CPdfDocument> document;
    QHash<int, QVector<PdfFormField>> cache;
    QVector<PdfFormField> all;
    bool allRead = false;
    bool canFill = true;
    bool changed = false;
    int formType = 0;
    bool fileRead = false;
    QHash<QString, QString> defaults;          // field name -> default value
    QHash<QString, ResetAction> resetActions;  // push button name -> what it resets
    QHash<QString, QStringList> radioOnStates; // radio field -> on state of each widget
};
