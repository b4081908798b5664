// The bar above the pages after a read from the radio: where the document came from (the
// radio, its MMSI, the time), the backup of the radio's memory, a button that opens the
// backups folder and one that closes the bar. It goes when another document replaces it.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;

namespace kol::editor {

class ReadBanner final : public QFrame {
  Q_OBJECT
 public:
  explicit ReadBanner(QWidget* parent = nullptr);

  // Shows the bar for a read of the radio with user MMSI `mmsi` (empty: none) at `time`;
  // `backup` is the file the memory as read was kept in, empty when it was not kept.
  void ShowRead(const QString& mmsi, const QString& time, const QString& backup);
  QString Text() const;

 signals:
  // The user asked to see the folder that holds `backup`.
  void OpenFolder(const QString& folder);

 private:
  QLabel* text_;
  QPushButton* openFolder_;
  QPushButton* close_;
  QString folder_;
};

}  // namespace kol::editor
