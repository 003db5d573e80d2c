#pragma once

#include "QWKDialog.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

// Asks where a link leads: a page of this document or a web address (a
// bare address gets https://, one with @ mailto:). exec() returns 1 with a
// target chosen.
class CLinkTargetBox : public QWKDialog
{
    Q_OBJECT
public:
    // nPage and strAddress: where the link leads now (-1 and empty: nowhere).
    CLinkTargetBox(int nPage, const QString& strAddress, int nPageCount, QWidget* parent = nullptr);

    // The page chosen (from 0), or -1 when a web address was.
    int Page() const;
    // The web address chosen, complete; empty when a page was or the
    // address cannot be a link's.
    QString Address() const;
    static QString CompleteAddress(const QString& typed);

    QRadioButton* PageChoice() const { return pageChoice; }
    QSpinBox* PageBox() const { return pageBox; }
    QLineEdit* AddressEdit() const { return addressEdit; }

private:
    QRadioButton* pageChoice = nullptr;
    QRadioButton* addressChoice = nullptr;
    QSpinBox* pageBox = nullptr;
    QLineEdit* addressEdit = nullptr;
};
