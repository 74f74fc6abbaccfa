// MeasurementCommands: The Data menu: the results dialog, the review window, loading and saving measurements, and the
// analysis window; the telescope's pop-up menu.
#pragma once

namespace jovi {

class TSatLabForm1;

class MeasurementCommands {
 public:
  explicit MeasurementCommands(TSatLabForm1& form);
  ~MeasurementCommands();
  MeasurementCommands(const MeasurementCommands&) = delete;
  MeasurementCommands& operator=(const MeasurementCommands&) = delete;

 private:
  TSatLabForm1& form_;
};

}  // namespace jovi
