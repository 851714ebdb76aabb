#include "core/breeding/Generations.h"

Generations::Generations(QObject* parent)
    : QObject(parent)
{
}

void Generations::insert(int index, Generation generation)
{
    m_all.resize(static_cast<std::size_t>(index));
    m_all.push_back(std::move(generation));
    const int left = m_shown;
    m_shown = index;
    emit added(index, left);
}

void Generations::add(Generation generation)
{
    insert(m_shown + 1, std::move(generation));
}

void Generations::show(int index)
{
    if (index < 0 || index >= count() || index == m_shown)
        return;
    const int left = m_shown;
    m_shown = index;
    emit shownAgain(index, left);
}

void Generations::back()
{
    show(m_shown - 1);
}

void Generations::forward()
{
    show(m_shown + 1);
}

void Generations::restore(std::vector<Generation> generations, int shown)
{
    const int first = count();
    for (Generation& generation : generations)
        insert(count(), std::move(generation));
    show(first + shown);
}

void Generations::hide()
{
    emit hidden(m_shown);
}
