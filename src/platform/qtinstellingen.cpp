#include "platform/qtinstellingen.h"

#include <QByteArray>
#include <QVariant>
#include <cstring>

namespace kzo {

TQtInstellingen::TQtInstellingen()
    : settings_(
          std::make_unique<QSettings>(QStringLiteral("PYM_Wendaron"), QStringLiteral("KZO"))) {}

TQtInstellingen::TQtInstellingen(const QString& bestand)
    : settings_(std::make_unique<QSettings>(bestand, QSettings::IniFormat)) {}

TQtInstellingen::~TQtInstellingen() = default;

namespace {

QString Sleutel(const std::string& naam) { return QString::fromStdString(naam); }

}  // namespace

std::optional<std::int32_t> TQtInstellingen::LeesGetal(const std::string& naam) {
  QVariant v = settings_->value(Sleutel(naam));
  if (!v.isValid() || v.typeId() == QMetaType::QByteArray) return std::nullopt;
  bool ok = false;
  // Text formats give the number back as text.
  int n = v.toInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

std::optional<std::string> TQtInstellingen::LeesTekst(const std::string& naam) {
  QVariant v = settings_->value(Sleutel(naam));
  if (v.typeId() != QMetaType::QString) return std::nullopt;
  return v.toString().toStdString();
}

std::optional<TBinair20> TQtInstellingen::LeesBinair(const std::string& naam) {
  QVariant v = settings_->value(Sleutel(naam));
  if (v.typeId() != QMetaType::QByteArray) return std::nullopt;
  QByteArray b = v.toByteArray();
  TBinair20 uit;
  if (b.size() != static_cast<qsizetype>(uit.size())) return std::nullopt;
  std::memcpy(uit.data(), b.constData(), uit.size());
  return uit;
}

void TQtInstellingen::Schrijf(const std::string& naam, const QVariant& waarde) {
  if (!settings_->isWritable()) throw TInstellingenFout();
  settings_->setValue(Sleutel(naam), waarde);
  settings_->sync();
  if (settings_->status() != QSettings::NoError) throw TInstellingenFout();
}

void TQtInstellingen::SchrijfGetal(const std::string& naam, std::int32_t waarde) {
  Schrijf(naam, QVariant(static_cast<int>(waarde)));
}

void TQtInstellingen::SchrijfTekst(const std::string& naam, const std::string& waarde) {
  Schrijf(naam, QVariant(QString::fromStdString(waarde)));
}

void TQtInstellingen::SchrijfBinair(const std::string& naam, const TBinair20& waarde) {
  Schrijf(naam, QVariant(QByteArray(reinterpret_cast<const char*>(waarde.data()),
                                    static_cast<qsizetype>(waarde.size()))));
}

}  // namespace kzo
