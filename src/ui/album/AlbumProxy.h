#pragma once
// The album's rows as the window shows them: sorted by name, by date modified or by likeness, and filtered by name.

#include <QSortFilterProxyModel>

class AlbumModel;

class AlbumProxy final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    enum class Order { Name, Modified, Likeness };

    explicit AlbumProxy(AlbumModel& album, QObject* parent = nullptr);

    // Sorts anew: by name, newest first, or likest first as the album last measured; ties go by name.
    void setOrder(Order order);
    // Keeps the rows whose names hold text, in any letter case.
    void setFilterText(const QString& text);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    AlbumModel& m_album;
    Order m_order = Order::Name;
};
