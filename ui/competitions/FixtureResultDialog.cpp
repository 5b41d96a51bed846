#include "ui/competitions/FixtureResultDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

TFixtureResultDialog::TFixtureResultDialog(const QString& home, const QString& away, bool mayDraw,
                                           QWidget* parent)
    : QDialog(parent), m_MayDraw(mayDraw)
{
    setObjectName(QStringLiteral("FormFixtureResult"));
    setWindowTitle(tr("Result by Hand"));
    auto* form = new QFormLayout(this);
    m_Home = new QSpinBox(this);
    m_Home->setObjectName(QStringLiteral("SpinResultHome"));
    m_Away = new QSpinBox(this);
    m_Away->setObjectName(QStringLiteral("SpinResultAway"));
    for (QSpinBox* legs : {m_Home, m_Away}) {
        legs->setRange(0, 99);
    }
    form->addRow(tr("Legs of %1:").arg(home.toHtmlEscaped()), m_Home);
    form->addRow(tr("Legs of %1:").arg(away.toHtmlEscaped()), m_Away);
    m_Reason = new QLineEdit(this);
    m_Reason->setObjectName(QStringLiteral("EditResultReason"));
    m_Reason->setMaxLength(200);
    m_Reason->setPlaceholderText(tr("Walkover: Ben did not come"));
    form->addRow(tr("&Reason:"), m_Reason);
    m_Problem = new QLabel(this);
    m_Problem->setObjectName(QStringLiteral("LabelResultProblem"));
    form->addRow(m_Problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFixtureResultDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFixtureResultDialog::reject);
    form->addRow(buttons);
}

int TFixtureResultDialog::HomeLegs() const
{
    return m_Home->value();
}

int TFixtureResultDialog::AwayLegs() const
{
    return m_Away->value();
}

QString TFixtureResultDialog::Reason() const
{
    return m_Reason->text().simplified();
}

void TFixtureResultDialog::accept()
{
    if (Reason().isEmpty()) {
        m_Problem->setText(tr("Say why the result is given by hand."));
    } else if (!m_MayDraw && HomeLegs() == AwayLegs()) {
        m_Problem->setText(tr("A knockout match needs a winner."));
    } else {
        QDialog::accept();
    }
}
