// The telescope's controls: Image1 in Panel1, and in Panel2 the time and reading labels and
// the magnification, Cont., Next and Record buttons.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <array>

#include "session/cursor_reading.h"
#include "session/telescope.h"
#include "session/ui/telescope_view.h"

namespace jovi {

class TelescopePanel {
 public:
  TelescopePanel(QFrame* panel1, QFrame* panel2);

  void ShowLabels(const TimeLabels& labels);
  void ShowReadouts(const ReadoutTexts& texts);

  TelescopeView* Image1;
  QLabel* DateLbl;
  QLabel* UTLbl;
  QLabel* JDLbl;
  QLabel* IntrvLbl;
  QLabel* AnmLbl;
  QLabel* IDLbl;
  QLabel* CrsrLbl;
  QLabel* RdngLbl;
  std::array<QPushButton*, 4> MagBtn;  // Mag1Btn .. Mag4Btn
  QPushButton* ContBtn;
  QPushButton* NextBtn;
  QPushButton* RecordBtn;
};

}  // namespace jovi
