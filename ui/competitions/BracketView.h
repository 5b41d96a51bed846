#pragma once

// A knockout's bracket drawn: a column a round, the winners' bracket above the losers', each
// match a box with its two players (the winner in bold) and its fixture number.

#include "league/Competition.h"

#include <QStringList>
#include <QWidget>

class TBracketView final : public QWidget
{
    Q_OBJECT

public:
    explicit TBracketView(QWidget* parent = nullptr);

    void SetBracket(const std::vector<TCompetitionFixture>& fixtures,
                    const std::vector<int32_t>& winners, const QStringList& players);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct TBox
    {
        QRect Area;
        QString Home;
        QString Away;
        int32_t Winner; // 0 home, 1 away, -1 none yet
        int32_t Number;
    };
    std::vector<TBox> m_Boxes;
    QSize m_Size;
};
