#include "astro/date_time.h"
#include "cli/commands.h"
#include "phenomena/jupiter_phenomena.h"

namespace jovi::cli {

void PhenomenaCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 1, "jovitrack-cli phenomena JD");
  DateTimeRec observation;
  SetFromJD(observation, ParseJD(args[0]));
  TJupPhenomObj phenomena;
  phenomena.ComputePhenomena(observation);
  for (const std::string& line : phenomena.Lines()) out << line << '\n';
  if (phenomena.EphemerisFailed()) {
    throw DataError("Jupiter's place is not known (see the message above): not every event found");
  }
}

}  // namespace jovi::cli
