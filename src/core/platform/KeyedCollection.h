#pragma once
// An ordered collection of items under unique text keys, in insertion order.

#include "core/platform/RuntimeError.h"

#include <QHash>
#include <QString>

#include <iterator>
#include <list>
#include <utility>

template <typename T> class KeyedCollection {
public:
    KeyedCollection() = default;
    // The index points into the list, so a copy would point into the original.
    KeyedCollection(const KeyedCollection&) = delete;
    KeyedCollection& operator=(const KeyedCollection&) = delete;
    KeyedCollection(KeyedCollection&&) noexcept = default;
    KeyedCollection& operator=(KeyedCollection&&) noexcept = default;

    // Adds at the end; error 457 when the key is present already.
    void add(const QString& key, T item)
    {
        if (m_index.contains(key))
            throw RuntimeError(RuntimeError::KeyAlreadyUsed, RuntimeError::standardText(RuntimeError::KeyAlreadyUsed),
                QStringLiteral("(key \"%1\")").arg(key));
        m_entries.emplace_back(key, std::move(item));
        m_index.insert(key, std::prev(m_entries.end()));
    }

    // Error 5 when the key is absent.
    const T& item(const QString& key) const
    {
        const auto it = m_index.constFind(key);
        if (it == m_index.cend())
            throw RuntimeError(RuntimeError::InvalidArgument, RuntimeError::standardText(RuntimeError::InvalidArgument),
                QStringLiteral("(no entry under key \"%1\")").arg(key));
        return (*it)->second;
    }

    bool contains(const QString& key) const { return m_index.contains(key); }

    // position counts from 1; error 9 outside 1..count().
    void remove(int position)
    {
        if (position < 1 || position > count())
            throw RuntimeError::subscriptOutOfRange(QStringLiteral("(position %1 of %2)").arg(position).arg(count()));
        const auto it = std::next(m_entries.begin(), position - 1);
        m_index.remove(it->first);
        m_entries.erase(it);
    }

    int count() const { return static_cast<int>(m_entries.size()); }

    // Visits every item in insertion order.
    template <typename Visitor> void forEach(Visitor&& visit) const
    {
        for (const auto& entry : m_entries)
            visit(entry.second);
    }

private:
    using Entry = std::pair<QString, T>;

    std::list<Entry> m_entries;
    QHash<QString, typename std::list<Entry>::iterator> m_index;
};
