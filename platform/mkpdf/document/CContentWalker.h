#pragma once

#include <QTransform>

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFTokenizer.hh>

#include <string>
#include <vector>

// Follows a page's own drawing (not the forms it calls) through its
// graphics states to every picture, and every text added here, that it
// draws as a whole XObject; optionally moves or removes one of them. The
// content passes through token by token, unchanged but for that one call,
// which gets a matrix of its own or goes. Listing and changing walk the
// same way, so an index means the same object to both.
class CContentWalker : public QPDFObjectHandle::TokenFilter
{
public:
    enum Action { List, Move, Remove };
    struct Placement
    {
        std::string name;
        QTransform ctm; // object space to the page's user space
        bool image = true;
    };

    explicit CContentWalker(QPDFObjectHandle resources);
    // The nTarget-th object is moved (change applied in the space it is
    // drawn in) or removed.
    void SetChange(int nTarget, Action action, const QTransform& change = QTransform());

    void handleToken(const QPDFTokenizer::Token& token) override;
    void handleEOF() override;

    const std::vector<Placement>& Found() const { return found; }
    bool Changed() const { return changed; }

    // Whether an XObject is moved as a whole: a picture, or text added here.
    static bool IsMovable(QPDFObjectHandle xobject, bool* image);
    // Marks a form as text added here.
    static void MarkAddedText(QPDFObjectHandle form);
    // A matrix as the operands of cm.
    static std::string MatrixText(const QTransform& matrix);

private:
    void Operator(const QPDFTokenizer::Token& token);
    void Flush();

    QPDFObjectHandle resources;
    std::vector<QPDFTokenizer::Token> pending; // operands and spaces since the last operator
    QTransform ctm;
    std::vector<QTransform> saved;
    std::vector<Placement> found;
    int target = -1;
    Action action = List;
    QTransform change;
    bool changed = false;
};
