#include "ui/dialogs/eindstand/toonbox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>

#include "core/records/punten.h"
#include "ui/widgets/context.h"

namespace kzo {

namespace {

constexpr auto npos = std::string::npos;

// Draws the lines with one tab stop after the widest text before a TAB, so that the
// texts after it line up in a column.
class TTabDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  qreal tabStop = 80;

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString tekst = opt.text;
    opt.text.clear();
    const QWidget* w = opt.widget;
    QStyle* stijl = w ? w->style() : QApplication::style();
    stijl->drawControl(QStyle::CE_ItemViewItem, &opt, p, w);
    const QRect r =
        stijl->subElementRect(QStyle::SE_ItemViewItemText, &opt, w).adjusted(2, 0, -2, 0);
    QTextOption to(Qt::AlignLeft | Qt::AlignVCenter);
    to.setWrapMode(QTextOption::NoWrap);
    to.setTabStopDistance(tabStop);
    p->save();
    p->setFont(opt.font);
    p->setPen(opt.palette.color(
        opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
        (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    p->drawText(QRectF(r), tekst, to);
    p->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    const QString t = index.data().toString();
    const qsizetype tab = t.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
      s.setWidth(static_cast<int>(tabStop) + option.fontMetrics.horizontalAdvance(t.mid(tab + 1)) +
                 12);
    return s;
  }
};

}  // namespace

TToonBox::TToonBox(TContext& ctx, QWidget* ouder)
    : TDialoog(T("Gevonden fouten"), HelpNormaal, ouder), ctx_(ctx) {
  ListBox1 = new QListWidget;
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setItemDelegate(new TTabDelegate(ListBox1));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox1, 1);
  layout->addWidget(MaakKnoppen(KnopOk | KnopHelp));
  resize(420, 300);

  // A click, or the arrow keys moving through the lines.
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
}

int TToonBox::GetalNa(std::string_view tekst, std::size_t pos) {
  while (pos < tekst.size() && tekst[pos] == ' ') ++pos;
  bool negatief = false;
  if (pos < tekst.size() && tekst[pos] == '-') {
    negatief = true;
    ++pos;
  }
  long long w = 0;
  for (; pos < tekst.size() && tekst[pos] >= '0' && tekst[pos] <= '9'; ++pos) {
    w = w * 10 + (tekst[pos] - '0');
    if (w > 1000000) break;  // no row or value is this large
  }
  return static_cast<int>(negatief ? -w : w);
}

void TToonBox::ZetModus(bool normaal) {
  normal_ = normaal;
  setWindowTitle(normaal ? T("Gevonden fouten") : T("Stand niet kunnen bepalen van:"));
  const QSignalBlocker stil(ListBox1);
  ListBox1->clear();
  const QFontMetrics fm(ListBox1->font());
  int voor = 0, na = 0;
  for (const auto& r : lijst_.Regels()) {
    const QString t = Q(r.Tekst);
    ListBox1->addItem(t);
    const qsizetype tab = t.indexOf(QLatin1Char('\t'));
    voor = std::max(voor, fm.horizontalAdvance(t.left(tab < 0 ? 0 : tab)));
    na = std::max(na, fm.horizontalAdvance(tab < 0 ? t : t.mid(tab + 1)));
  }
  ListBox1->setCurrentRow(-1);
  const int tabStop = voor + fm.averageCharWidth() * 2;
  static_cast<TTabDelegate*>(ListBox1->itemDelegate())->tabStop = tabStop;
  // Wide enough for the longest line, within reason.
  resize(std::clamp(tabStop + na + 60, 320, 720), height());
}

void TToonBox::Toon() {
  ctx_.Open(*this);
  // The lines were for this one showing.
  const QSignalBlocker stil(ListBox1);
  ListBox1->clear();
  lijst_.Wissen();
}

void TToonBox::Open() {
  ZetModus(true);
  Toon();
}

void TToonBox::Gelijken() {
  ZetModus(false);
  Toon();
}

void TToonBox::Klik(int i) {
  {
    const QSignalBlocker stil(ListBox1);
    ListBox1->setCurrentRow(i);
  }
  ListBox1Click();
}

void TToonBox::ListBox1Click() {
  const int i = ListBox1->currentRow();
  if (i < 0 || i >= lijst_.Count()) return;
  if (normal_)
    KlikNormaal(lijst_.Regel(i));
  else
    KlikGelijken(lijst_.Regel(i));
}

void TToonBox::KlikNormaal(const TMeldLijst::TRegel& regel) {
  const TKlasse* k = ctx_.Competitie().Actief();
  if (!k) return;
  const TClubInfo& club = ctx_.Competitie().Club;
  const std::string& t = regel.Tekst;
  const int d = regel.Data;
  const int col = d > 0 ? k->UitslKolom(d) : k->SG.Col;
  int row = k->SG.Row;

  // The value after its label, read in full: a place of 100 is not a place of 10.
  std::size_t label = t.find("waarde");
  if (label == npos) label = t.find("Plaats");
  const int w = label == npos ? 0 : GetalNa(t, label + 7);
  if (w < 1 || d < 1) {
    row = 1;
  } else {
    const bool puntenOpslag = !SlaatPlaatsenOp(club);
    const bool puntenWeergave = puntenOpslag || ToontPunten(club);
    int s;
    if (t.find("niet") != npos) {
      // Missing places: the rider on the first place after the gap.
      const int plaats = (puntenWeergave ? PuntenNaarPlaats(club, w) : w) + 1;
      s = puntenOpslag ? PlaatsNaarPunten(club, plaats) : plaats;
    } else if (t.find(" !") != npos) {
      s = w;
    } else {
      s = !puntenOpslag && puntenWeergave ? PuntenNaarPlaats(club, w) : w;
    }
    for (int r = 1; r < k->SG.RowCount(); ++r) {
      const TRijder* rd = k->SG.Rijder(r);
      if (rd && rd->Uwaarde(d) == s) {
        row = r;
        break;
      }
    }
  }
  ctx_.KiesCel(col, row);
}

void TToonBox::KlikGelijken(const TMeldLijst::TRegel& regel) {
  const int d = regel.Data;
  if (d >= 0 && d < static_cast<int>(ctx_.Competitie().Tabs.size())) ctx_.KiesKlasse(d);
  // The last row of the tie, read in full: row 125 is not row 12.
  const std::size_t tm = regel.Tekst.find("t/m");
  if (tm == npos) return;
  const int row = GetalNa(regel.Tekst, tm + 4);
  const TKlasse* k = ctx_.Competitie().Actief();
  if (k && row > 0) ctx_.KiesCel(k->SG.ColCount() - 1, row);
}

}  // namespace kzo
