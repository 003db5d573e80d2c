#pragma once

#include <QAbstractListModel>
#include <QVariant>

// The captions of a tab bar's tabs, one row per tab, under CaptionRole only.
class CTabListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int CaptionRole = Qt::UserRole + 1;

    explicit CTabListModel(QObject* parent = nullptr);
    ~CTabListModel() override;

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count, const QModelIndex& destinationParent,
                  int destinationChild) override;
    // Lets a delegate repaint one row.
    void NotifyRowChanged(const QModelIndex& index);

private:
    struct Entry
    {
        QVariant value;
    };
    QList<Entry*> entries;
};
