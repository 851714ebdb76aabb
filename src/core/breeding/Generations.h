#pragma once
// The Breed window's generations in a run, one of them shown, with Back and Forward as a browser has them: a
// generation bred from an earlier one drops those that came after it. They outlive the window.

#include "core/breeding/Generation.h"

#include <QObject>

#include <vector>

class Generations final : public QObject {
    Q_OBJECT

public:
    explicit Generations(QObject* parent = nullptr);

    const std::vector<Generation>& all() const { return m_all; }
    bool empty() const { return m_all.empty(); }
    int count() const { return static_cast<int>(m_all.size()); }
    // The generation shown, -1 before the first.
    int shownIndex() const { return m_shown; }
    Generation& shown() { return m_all[static_cast<std::size_t>(m_shown)]; }
    const Generation& shown() const { return m_all[static_cast<std::size_t>(m_shown)]; }

    // Puts generation right after the one shown, dropping those after that, and shows it.
    void add(Generation generation);
    // Shows the generation at index.
    void show(int index);
    bool canGoBack() const { return m_shown > 0; }
    bool canGoForward() const { return m_shown + 1 < count(); }
    // Each shows its neighbour; nothing at either end.
    void back();
    void forward();
    // The generations of an earlier run after the last of these, showing the one of them at shown.
    void restore(std::vector<Generation> generations, int shown);
    // No window shows them any more.
    void hide();

signals:
    // Each says which generation was shown until then, -1 for none.
    void added(int index, int left);
    void shownAgain(int index, int left);
    void hidden(int left);

private:
    void insert(int index, Generation generation);

    std::vector<Generation> m_all;
    int m_shown = -1;
};
