#pragma once

#include <QWidget>

class CGame;
class QTreeWidget;

// The "Stats" page (PanelStats): a title and the list ListViewStats of every match figure, one
// column a player. The figures are those of the moment Rebuild is called, when the page is
// shown; the list itself is made on first use, so the page costs nothing at start.
class TStatsPage final : public QWidget
{
    Q_OBJECT

public:
    explicit TStatsPage(QWidget* parent = nullptr);

    void Rebuild(const CGame& game);

private:
    void CreateList();

    QTreeWidget* m_ListViewStats = nullptr;
};
