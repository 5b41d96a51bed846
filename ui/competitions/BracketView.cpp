#include "ui/competitions/BracketView.h"

#include <QPainter>
#include <map>

namespace {

constexpr int kBoxWidth = 190;
constexpr int kBoxHeight = 44;
constexpr int kGap = 12;

} // namespace

TBracketView::TBracketView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BracketView"));
}

void TBracketView::SetBracket(const std::vector<TCompetitionFixture>& fixtures,
                              const std::vector<int32_t>& winners, const QStringList& players)
{
    m_Boxes.clear();
    // Row per round and bracket: the winners' rounds' matches from the top, the losers' below
    // the tallest winners' column.
    std::map<std::pair<bool, int32_t>, int> rows;
    int winnersRows = 0;
    for (const TCompetitionFixture& fixture : fixtures) {
        if (fixture.Knockout && !fixture.LosersBracket) {
            winnersRows = std::max(winnersRows, ++rows[{false, fixture.Round}]);
        }
    }
    rows.clear();
    const auto name = [&](int32_t player) {
        return player >= 0 ? players.value(player) : QStringLiteral("\u2026");
    };
    int width = 0;
    int height = 0;
    for (size_t index = 0; index < fixtures.size(); ++index) {
        const TCompetitionFixture& fixture = fixtures[index];
        if (!fixture.Knockout) {
            continue;
        }
        const int row = rows[{fixture.LosersBracket, fixture.Round}]++;
        const int top = (fixture.LosersBracket ? winnersRows + 1 : 0) + row;
        const QRect area(kGap + fixture.Round * (kBoxWidth + kGap),
                         kGap + top * (kBoxHeight + kGap), kBoxWidth, kBoxHeight);
        const int32_t winner = winners.size() > index ? winners[index] : -1;
        m_Boxes.push_back({area, name(fixture.Home), name(fixture.Away),
                           winner < 0 ? -1 : (winner == fixture.Home ? 0 : 1), fixture.Number});
        width = std::max(width, area.right() + kGap);
        height = std::max(height, area.bottom() + kGap);
    }
    m_Size = QSize(width, height);
    setMinimumSize(m_Size);
    updateGeometry();
    update();
}

QSize TBracketView::sizeHint() const
{
    return m_Size;
}

void TBracketView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    for (const TBox& box : m_Boxes) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRect(box.Area);
        painter.setPen(palette().color(QPalette::Text));
        const QRect home = box.Area.adjusted(6, 2, -30, -box.Area.height() / 2);
        const QRect away = box.Area.adjusted(6, box.Area.height() / 2, -30, -2);
        for (const auto& [area, text, side] :
             {std::tuple{home, box.Home, 0}, std::tuple{away, box.Away, 1}}) {
            painter.setFont(box.Winner == side ? bold : plain);
            painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width()));
        }
        painter.setFont(plain);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(box.Area.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(box.Number + 1));
    }
}
