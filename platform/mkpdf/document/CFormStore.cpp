#include "CFormStore.h"

#include "CPdfDocument.h"

#include <QSet>

#include <poppler-form.h>
#include <poppler-qt5.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>

#include <algorithm>
#include <exception>

namespace {

QRectF ToPoints(const QRectF& normal, const QSizeF& size)
{
    return QRectF(normal.x() * size.width(), normal.y() * size.height(), normal.width() * size.width(),
                  normal.height() * size.height());
}

// A PDF name or string as text, without the slash of a name.
QString NameText(const std::string& value)
{
    QString text = QString::fromStdString(value);
    if (text.startsWith('/'))
        text.remove(0, 1);
    return text;
}

QString ValueText(QPDFObjectHandle value)
{
    if (value.isName())
        return NameText(value.getName());
    if (value.isString())
        return QString::fromStdString(value.getUTF8Value());
    return QString();
}

PdfFormField Convert(const Poppler::FormField* field, const QSizeF& size, int nPage)
{
    PdfFormField out;
    out.id = field->id();
    out.page = nPage;
    out.rect = ToPoints(field->rect(), size).normalized();
    out.name = field->fullyQualifiedName();
    out.readOnly = field->isReadOnly();
    out.visible = field->isVisible();
    switch (field->type()) {
    case Poppler::FormField::FormButton: {
        const auto* button = static_cast<const Poppler::FormFieldButton*>(field);
        out.state = button->state();
        switch (button->buttonType()) {
        case Poppler::FormFieldButton::Push:
            out.type = PdfFormField::PushButton;
            break;
        case Poppler::FormFieldButton::CheckBox:
            out.type = PdfFormField::CheckBox;
            break;
        case Poppler::FormFieldButton::Radio:
            out.type = PdfFormField::Radio;
            out.siblings = button->siblings();
            break;
        }
        break;
    }
    case Poppler::FormField::FormText: {
        const auto* text = static_cast<const Poppler::FormFieldText*>(field);
        out.type = PdfFormField::Text;
        out.text = text->text();
        out.multiline = text->textType() == Poppler::FormFieldText::Multiline;
        out.password = text->isPassword();
        out.maxLength = text->maximumLength();
        out.fontSize = text->getFontSize();
        // Choosing a file from a form is nothing a reader should do.
        if (text->textType() == Poppler::FormFieldText::FileSelect)
            out.readOnly = true;
        break;
    }
    case Poppler::FormField::FormChoice: {
        const auto* choice = static_cast<const Poppler::FormFieldChoice*>(field);
        out.type = choice->choiceType() == Poppler::FormFieldChoice::ComboBox ? PdfFormField::ComboBox
                                                                              : PdfFormField::ListBox;
        out.choices = choice->choices();
        out.current = choice->currentChoices();
        out.editable = choice->isEditable();
        out.multiSelect = choice->multiSelect();
        out.editText = choice->editChoice();
        break;
    }
    case Poppler::FormField::FormSignature:
        out.type = PdfFormField::Signature;
        out.readOnly = true;
        break;
    }
    return out;
}

void Apply(Poppler::FormField* field, const PdfFormField& value)
{
    switch (value.type) {
    case PdfFormField::Text: {
        auto* text = static_cast<Poppler::FormFieldText*>(field);
        const int limit = text->maximumLength();
        text->setText(limit >= 0 ? value.text.left(limit) : value.text);
        break;
    }
    case PdfFormField::CheckBox:
    case PdfFormField::Radio:
        static_cast<Poppler::FormFieldButton*>(field)->setState(value.state);
        break;
    case PdfFormField::ComboBox:
    case PdfFormField::ListBox: {
        auto* choice = static_cast<Poppler::FormFieldChoice*>(field);
        if (choice->isEditable() && value.current.isEmpty() && !value.editText.isEmpty()) {
            choice->setEditChoice(value.editText);
        } else {
            QList<int> valid;
            for (int index : value.current) {
                if (index >= 0 && index < choice->choices().size())
                    valid << index;
            }
            choice->setCurrentChoices(choice->multiSelect() ? valid : valid.mid(0, 1));
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

bool PdfFormField::SameValue(const PdfFormField& other) const
{
    return text == other.text && state == other.state && current == other.current && editText == other.editText;
}

CFormStore::CFormStore(std::shared_ptr<CPdfDocument> document_, QObject* parent)
    : QObject(parent)
    , document(std::move(document_))
{
    document->WithParser([this](Poppler::Document* parser) {
        if (!parser)
            return;
        canFill = parser->okToFillForm();
        formType = int(parser->formType());
    });
}

CFormStore::~CFormStore() = default;

void CFormStore::ReadFile()
{
    if (fileRead)
        return;
    fileRead = true;
    // What poppler does not tell: the default values and the reset actions.
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        const QByteArray path = document->FilePath().toLocal8Bit();
        const QByteArray password = document->Password();
        pdf.processFile(path.constData(), password.isEmpty() ? nullptr : password.constData());
        QPDFAcroFormDocumentHelper form(pdf);
        for (QPDFFormFieldObjectHelper field : form.getFormFields()) {
            const QString name = QString::fromStdString(field.getFullyQualifiedName());
            defaults.insert(name, ValueText(field.getDefaultValue()));
            for (QPDFAnnotationObjectHelper widget : form.getAnnotationsForField(field)) {
                QPDFObjectHandle object = widget.getObjectHandle();
                if (field.isRadioButton()) {
                    QString on;
                    QPDFObjectHandle normal = object.getKey("/AP").getKey("/N");
                    if (normal.isDictionary()) {
                        for (const std::string& key : normal.getKeys()) {
                            if (key != "/Off")
                                on = NameText(key);
                        }
                    }
                    radioOnStates[name].append(on);
                }
                QPDFObjectHandle action = object.getKey("/A");
                if (!field.isPushbutton() || !action.isDictionary() || !action.getKey("/S").isName()
                    || action.getKey("/S").getName() != "/ResetForm")
                    continue;
                ResetAction reset;
                QPDFObjectHandle flags = action.getKey("/Flags");
                reset.exclude = flags.isInteger() && (flags.getIntValue() & 1);
                QPDFObjectHandle listed = action.getKey("/Fields");
                for (int i = 0; listed.isArray() && i < listed.getArrayNItems(); ++i) {
                    QPDFObjectHandle item = listed.getArrayItem(i);
                    if (item.isString())
                        reset.fields << QString::fromStdString(item.getUTF8Value());
                    else if (item.isDictionary())
                        reset.fields << QString::fromStdString(QPDFFormFieldObjectHelper(item).getFullyQualifiedName());
                }
                resetActions.insert(name, reset);
            }
        }
    } catch (const std::exception&) {
        // Without them a reset clears fields, and no button resets.
    }
}

QVector<PdfFormField> CFormStore::PageFields(int nPage)
{
    auto it = cache.constFind(nPage);
    if (it != cache.constEnd())
        return *it;
    QVector<PdfFormField> fields;
    if (formType != int(Poppler::Document::NoForm)) {
        ReadFile();
        document->EditPage(nPage, [&fields, nPage](Poppler::Page* page) {
            if (!page || page->pageSizeF().isEmpty())
                return;
            const QList<Poppler::FormField*> list = page->formFields();
            for (const Poppler::FormField* field : list)
                fields.append(Convert(field, page->pageSizeF(), nPage));
            qDeleteAll(list);
        });
        for (PdfFormField& field : fields)
            field.resets = field.type == PdfFormField::PushButton && resetActions.contains(field.name);
    }
    cache.insert(nPage, fields);
    return fields;
}

void CFormStore::LoadAll()
{
    if (allRead)
        return;
    allRead = true;
    all.clear();
    for (int i = 0; formType != int(Poppler::Document::NoForm) && i < document->PageCount(); ++i)
        all += PageFields(i);
}

QVector<PdfFormField> CFormStore::AllFields()
{
    LoadAll();
    return all;
}

bool CFormStore::HasFields()
{
    const QVector<PdfFormField> fields = AllFields();
    return std::any_of(fields.cbegin(), fields.cend(),
                       [](const PdfFormField& field) { return field.type != PdfFormField::Signature; });
}

bool CFormStore::IsXfaOnly()
{
    return formType == int(Poppler::Document::XfaForm) && AllFields().isEmpty();
}

PdfFormField CFormStore::Find(int nId)
{
    for (const PdfFormField& field : AllFields()) {
        if (field.id == nId)
            return field;
    }
    return PdfFormField();
}

PdfFormField CFormStore::FieldAt(int nPage, const QPointF& point)
{
    const QVector<PdfFormField> fields = PageFields(nPage);
    for (int i = fields.size() - 1; i >= 0; --i) {
        if (fields.at(i).visible && fields.at(i).rect.contains(point))
            return fields.at(i);
    }
    return PdfFormField();
}

QVector<PdfFormField> CFormStore::ResetValues(const PdfFormField& button)
{
    ReadFile();
    QVector<PdfFormField> values;
    if (!button.resets)
        return values;
    const ResetAction action = resetActions.value(button.name);
    auto listed = [&action](const QString& name) {
        for (const QString& entry : action.fields) {
            if (name == entry || name.startsWith(entry + '.'))
                return true;
        }
        return false;
    };
    const QVector<PdfFormField> fields = AllFields();
    for (const PdfFormField& field : fields) {
        if (!field.IsFillable())
            continue;
        if (!action.fields.isEmpty() && listed(field.name) == action.exclude)
            continue;
        PdfFormField value = field;
        const QString initial = defaults.value(field.name);
        switch (field.type) {
        case PdfFormField::Text:
            value.text = initial;
            break;
        case PdfFormField::CheckBox:
            value.state = !initial.isEmpty() && initial != QLatin1String("Off");
            break;
        case PdfFormField::Radio: {
            // The group's widgets in the order the file lists them.
            QVector<int> group;
            for (const PdfFormField& other : fields) {
                if (other.name == field.name)
                    group << other.id;
            }
            const int place = group.indexOf(field.id);
            const QStringList on = radioOnStates.value(field.name);
            value.state = !initial.isEmpty() && place >= 0 && place < on.size() && on.at(place) == initial;
            break;
        }
        case PdfFormField::ComboBox:
        case PdfFormField::ListBox:
            value.current.clear();
            if (field.choices.contains(initial))
                value.current << field.choices.indexOf(initial);
            value.editText = value.current.isEmpty() && field.editable ? initial : QString();
            break;
        default:
            break;
        }
        values << value;
    }
    return values;
}

bool CFormStore::SetValues(const QVector<PdfFormField>& values)
{
    // A field shown in several places (twice on a page, once on each of two
    // pages) keeps its value in each of its widgets: every one of them gets
    // it, and with it an appearance of its own, or the others show the old
    // value and a form processor reading them finds it. The buttons of a
    // radio group are widgets of one field too, but each has a state of its
    // own.
    LoadAll();
    QVector<PdfFormField> ordered;
    for (const PdfFormField& value : values) {
        ordered << value;
        if (value.type == PdfFormField::Radio || value.type == PdfFormField::PushButton)
            continue;
        for (const PdfFormField& other : all) {
            if (other.name == value.name && other.id != value.id && other.type == value.type) {
                PdfFormField copy = value;
                copy.id = other.id;
                copy.page = other.page;
                ordered << copy;
            }
        }
    }
    // Buttons switched off before those switched on, so a radio group ends
    // with the one that should be on.
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const PdfFormField& a, const PdfFormField& b) { return !a.state && b.state; });
    QSet<int> pages;
    QSet<QString> names;
    bool applied = false;
    for (const PdfFormField& value : ordered) {
        document->EditPage(value.page, [&](Poppler::Page* page) {
            if (!page)
                return;
            const QList<Poppler::FormField*> list = page->formFields();
            for (Poppler::FormField* field : list) {
                if (field->id() != value.id || field->isReadOnly())
                    continue;
                Apply(field, value);
                applied = true;
                pages << value.page;
                names << value.name;
            }
            qDeleteAll(list);
        });
    }
    if (!applied)
        return false;
    changed = true;
    // Other widgets of the same fields show the new value too.
    for (const PdfFormField& field : all) {
        if (names.contains(field.name))
            pages << field.page;
    }
    allRead = false;
    for (int page : pages) {
        cache.remove(page);
        emit SignalPageChanged(page);
    }
    return true;
}
