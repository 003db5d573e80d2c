#include "CContentWalker.h"

#include <QByteArray>

#include <cmath>

namespace {

// Deeper than real files nest their graphics states; more is not followed.
constexpr size_t kMaxSaved = 4096;

bool IsSpace(const QPDFTokenizer::Token& token)
{
    return token.getType() == QPDFTokenizer::tt_space || token.getType() == QPDFTokenizer::tt_comment;
}

} // namespace

CContentWalker::CContentWalker(QPDFObjectHandle resources_)
    : resources(resources_)
{
}

void CContentWalker::SetChange(int nTarget, Action newAction, const QTransform& newChange)
{
    target = nTarget;
    action = newAction;
    change = newChange;
}

bool CContentWalker::IsMovable(QPDFObjectHandle xobject, bool* image)
{
    if (!xobject.isStream())
        return false;
    QPDFObjectHandle dict = xobject.getDict();
    QPDFObjectHandle subtype = dict.getKey("/Subtype");
    if (!subtype.isName())
        return false;
    *image = subtype.getName() == "/Image";
    if (*image)
        return true;
    QPDFObjectHandle mark = dict.getKey("/RvText");
    return subtype.getName() == "/Form" && mark.isBool() && mark.getBoolValue();
}

void CContentWalker::MarkAddedText(QPDFObjectHandle form)
{
    form.getDict().replaceKey("/RvText", QPDFObjectHandle::newBool(true));
}

std::string CContentWalker::MatrixText(const QTransform& m)
{
    QByteArray text;
    for (double value : {m.m11(), m.m12(), m.m21(), m.m22(), m.dx(), m.dy()}) {
        QByteArray number = QByteArray::number(std::abs(value) < 1e-9 ? 0.0 : value, 'f', 5);
        while (number.contains('.') && (number.endsWith('0') || number.endsWith('.')))
            number.chop(1);
        text += (number == "-0" ? QByteArray("0") : number) + ' ';
    }
    return text.toStdString();
}

void CContentWalker::handleToken(const QPDFTokenizer::Token& token)
{
    switch (token.getType()) {
    case QPDFTokenizer::tt_eof:
        return;
    case QPDFTokenizer::tt_word:
        Operator(token);
        return;
    default:
        pending.push_back(token);
        return;
    }
}

void CContentWalker::handleEOF()
{
    Flush();
}

void CContentWalker::Flush()
{
    for (const QPDFTokenizer::Token& token : pending)
        writeToken(token);
    pending.clear();
}

void CContentWalker::Operator(const QPDFTokenizer::Token& token)
{
    std::vector<const QPDFTokenizer::Token*> operands;
    for (const QPDFTokenizer::Token& operand : pending) {
        if (!IsSpace(operand))
            operands.push_back(&operand);
    }
    const std::string& op = token.getValue();
    if (op == "q") {
        if (saved.size() < kMaxSaved)
            saved.push_back(ctm);
    } else if (op == "Q") {
        if (!saved.empty()) {
            ctm = saved.back();
            saved.pop_back();
        }
    } else if (op == "cm" && operands.size() >= 6) {
        double values[6];
        bool numbers = true;
        for (size_t i = 0; i < 6; ++i) {
            bool ok = false;
            values[i] = QByteArray::fromStdString(operands[operands.size() - 6 + i]->getValue()).toDouble(&ok);
            numbers = numbers && ok;
        }
        // Damaged operands change nothing, as readers take them.
        if (numbers)
            ctm = QTransform(values[0], values[1], values[2], values[3], values[4], values[5]) * ctm;
    } else if (op == "Do" && !operands.empty() && operands.back()->getType() == QPDFTokenizer::tt_name) {
        const std::string name = operands.back()->getValue();
        QPDFObjectHandle xobjects = resources.isDictionary() ? resources.getKey("/XObject") : QPDFObjectHandle();
        bool image = true;
        if (xobjects.isDictionary() && IsMovable(xobjects.getKey(name), &image)) {
            const bool isTarget = int(found.size()) == target;
            found.push_back({name, ctm, image});
            if (isTarget && action == Move) {
                write("\nq " + MatrixText(change) + "cm\n");
                Flush();
                writeToken(token);
                write("\nQ");
                changed = true;
                return;
            }
            if (isTarget && action == Remove) {
                // The call goes; the spaces around it stay.
                for (const QPDFTokenizer::Token& kept : pending) {
                    if (IsSpace(kept))
                        writeToken(kept);
                }
                pending.clear();
                changed = true;
                return;
            }
        }
    }
    Flush();
    writeToken(token);
}
