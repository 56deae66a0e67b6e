// The points table of the club settings: one row of ten places, edited cell by cell
// with a borderless edit laid over the cell.
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>

#include "ui/dialogs/club/clubdata.h"
#include "ui/widgets/gebruiker.h"
#include "ui/widgets/stringgrid.h"

namespace kzo {

void TClubData::MaakPuntenTabel() {
  StringGrid1 = new TStringGrid;
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->SetColCount(11);
  StringGrid1->SetRowCount(2);
  StringGrid1->SetFixedCols(1);
  StringGrid1->SetFixedRows(1);
  StringGrid1->SetRowMoving(false);

  const QFontMetrics fm(StringGrid1->font());
  StringGrid1->SetColWidth(0, fm.horizontalAdvance(QStringLiteral("Uitslag volgorde :")) + 4);
  for (int c = 1; c <= 10; ++c)
    StringGrid1->SetColWidth(c, fm.horizontalAdvance(QStringLiteral("1888")));
  StringGrid1->SetDefaultRowHeight(fm.height() + 4);
  int breedte = 0;
  for (int c = 0; c <= 10; ++c) breedte += StringGrid1->ColWidth(c) + StringGrid1->GridLineWidth();
  const int rand = 2 * StringGrid1->frameWidth();
  StringGrid1->setFixedSize(breedte + rand + 14 - 2 * StringGrid1->GridLineWidth(),
                            2 * (StringGrid1->DefaultRowHeight() + StringGrid1->GridLineWidth()) +
                                rand + 5 - 2 * StringGrid1->GridLineWidth());
  StringGrid1->SetCurrentCell(1, 1);

  StringGrid1->ZetTekenFunctie([this](QPainter& p, int c, int r, const QRect& rect, TCelStaat s) {
    TekenPuntCel(p, c, r, rect, s.vast, s.geselecteerd);
  });
  StringGrid1->ZetToetsVoorvertoning([this](QKeyEvent* e) {
    if (CelOpen()) return false;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      TabelToets(QLatin1Char('\r'));
      return true;
    }
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).unicode() > 27 && t.at(0).unicode() != 127) {
      TabelToets(t.at(0));
      return true;
    }
    return false;
  });

  EditSG = new QLineEdit(StringGrid1->viewport());
  EditSG->setFrame(false);
  EditSG->setMaxLength(4);
  EditSG->setAlignment(Qt::AlignCenter);
  EditSG->hide();
  EditSG->installEventFilter(this);
  connect(EditSG, &QLineEdit::textEdited, this, [this] { celGewijzigd_ = true; });
}

void TClubData::TekenPuntCel(QPainter& p, int c, int r, const QRect& rect, bool vast, bool huidig) {
  const QPalette& pal = StringGrid1->palette();
  const QPalette::ColorGroup groep =
      StringGrid1->isEnabled() ? QPalette::Active : QPalette::Disabled;
  const bool markeer = huidig && StringGrid1->hasFocus();
  p.fillRect(rect, vast      ? pal.color(groep, QPalette::Button)
                   : markeer ? pal.color(groep, QPalette::Highlight)
                             : pal.color(groep, QPalette::Base));
  QString tekst;
  if (c == 0)
    tekst = r == 0 ? QStringLiteral("Uitslag volgorde :") : QStringLiteral("Punten :");
  else if (r == 0)
    tekst = QStringLiteral("%1e").arg(c);
  else
    tekst = cellen_[static_cast<std::size_t>(c)];
  p.setPen(pal.color(groep, markeer ? QPalette::HighlightedText : QPalette::Text));
  p.drawText(rect.adjusted(2, 0, -2, 0),
             (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, tekst);
}

bool TClubData::CelOpen() const { return !EditSG->isHidden(); }

void TClubData::TabelToets(QChar c) {
  if (CelOpen() || !StringGrid1->isEnabled()) return;
  if (c == QLatin1Char('\r'))
    OpenCel(cellen_[static_cast<std::size_t>(StringGrid1->Col())], false);
  else if (c.unicode() > 27)
    OpenCel(QString(c), true);
}

void TClubData::OpenCel(const QString& tekst, bool gewijzigd) {
  celKol_ = std::clamp(StringGrid1->Col(), 1, 10);
  EditSG->setGeometry(StringGrid1->CellRect(celKol_, 1).adjusted(2, 2, -2, -2));
  EditSG->setText(tekst);
  EditSG->setCursorPosition(static_cast<int>(tekst.size()));
  celGewijzigd_ = gewijzigd;
  EditSG->show();
  EditSG->setFocus();
}

void TClubData::VerlaatCel() {
  EditSG->hide();
  celGewijzigd_ = false;
  StringGrid1->SetCurrentCell(celKol_ % 10 + 1, 1);
  StringGrid1->setFocus();
  StringGrid1->InvalidateGrid();
  ZetLabel11();
}

void TClubData::CelAnnuleren() {
  EditSG->hide();
  celGewijzigd_ = false;
  StringGrid1->setFocus();
}

bool TClubData::CelKlaar() {
  if (!CelOpen() || celBezig_) return true;
  if (!celGewijzigd_) {
    VerlaatCel();
    return true;
  }
  celBezig_ = true;
  const auto cel = [this](int c) -> QString& { return cellen_[static_cast<std::size_t>(c)]; };
  const QString tekst = EditSG->text().trimmed();
  bool getal = true;
  const int a = tekst.isEmpty() ? 0 : tekst.toInt(&getal);
  const int k = celKol_;

  if (getal && (a > 500 || a < 0 || a > MaxPlaatsPunten)) {
    // The table holds one byte a place: more than 255 is refused like more than 500,
    // never stored cut off.
    if (a > 500 || a < 0)
      gebruiker_.Melding(50);
    else
      gebruiker_.Fout(QStringLiteral("De punten voor een plaats kunnen niet hoger zijn dan %1!")
                          .arg(MaxPlaatsPunten));
    EditSG->setText(cel(k));
    EditSG->setCursorPosition(static_cast<int>(cel(k).size()));
    celGewijzigd_ = false;
    EditSG->show();
    EditSG->setFocus();
    celBezig_ = false;
    return false;
  }
  if (!getal) {
    gebruiker_.Melding(51);
  } else {
    const int oud = cel(k).toInt();
    if (k >= 2 && !cel(k - 1).isEmpty() && cel(k - 1).toInt() < a) {
      gebruiker_.Melding(52);
    } else if (k <= 9 && !cel(k + 1).isEmpty() && a < cel(k + 1).toInt()) {
      const int e = oud - a;
      if (k == 1 && e >= 10 && e % 10 == 0) {
        // A lower first place lowers the places after it by as much.
        int voor = a;
        for (int c = 2; c <= 10; ++c) {
          if (cel(c).isEmpty()) continue;
          const int f = cel(c).toInt();
          if (f > voor && f - e > 0) cel(c) = QString::number(f - e);
          voor = f - e;
        }
      } else {
        gebruiker_.Melding(53);
      }
    }
    cel(k) = a == 0 ? QString() : QString::number(a);
    RadioGroup4->setEnabled(false);
  }
  VerlaatCel();
  celBezig_ = false;
  return true;
}

void TClubData::ZetLabel11() {
  int n = 0;
  for (int c = 1; c <= 10; ++c)
    if (!cellen_[static_cast<std::size_t>(c)].isEmpty()) ++n;
  Label11->setText(QStringLiteral("Aftrek punten na plaats %1").arg(n == 0 ? 1 : n));
}

bool TClubData::eventFilter(QObject* o, QEvent* e) {
  if (o == EditKL && e->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      KlasseKiezen();
      return true;
    }
  }
  if (o == EditSG) {
    if (e->type() == QEvent::KeyPress) {
      const auto* k = static_cast<QKeyEvent*>(e);
      if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        CelKlaar();
        return true;
      }
      if (k->key() == Qt::Key_Escape) {
        CelAnnuleren();
        return true;
      }
      const QString t = k->text();
      // Only digits are typed into a points cell.
      if (t.size() == 1 && t.at(0).isPrint() && !t.at(0).isDigit()) return true;
    } else if (e->type() == QEvent::FocusOut) {
      const auto reden = static_cast<QFocusEvent*>(e)->reason();
      if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason && !celBezig_ &&
          !EditSG->isHidden())
        CelKlaar();
    }
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace kzo
