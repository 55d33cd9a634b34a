#include <gtest/gtest.h>

#include "run/day_table.h"
#include "run/form1.h"
#include "testsupport/fake_platform.h"

namespace {

using namespace std::chrono;

TEST(DayTable, EveryElementCarriesItsOwnDay) {
  struct Row {
    year_month_day today;
    int i;
    std::string giorno_anno, chiave_mese, data_grafico;
  };
  const Row rows[] = {
      {2009y / January / 3, 1, "364", "122008", "29/12/2008"},
      {2009y / January / 3, 2, "365", "122008", "30/12/2008"},
      {2009y / January / 3, 3, "366", "122008", "31/12/2008"},
      {2009y / January / 3, 4, "001", "012009", "01/01/2009"},
      {2009y / January / 3, 5, "002", "012009", "02/01/2009"},
      {2009y / January / 3, 6, "003", "012009", "03/01/2009"},
      {2012y / March / 2, 1, "057", "022012", "26/02/2012"},
      {2012y / March / 2, 4, "060", "022012", "29/02/2012"},
      {2012y / March / 2, 5, "061", "032012", "01/03/2012"},
      {2012y / March / 2, 6, "062", "032012", "02/03/2012"},
      {2009y / March / 2, 4, "059", "022009", "28/02/2009"},
      {2009y / March / 2, 5, "060", "032009", "01/03/2009"},
      {2010y / April / 12, 3, "099", "042010", "09/04/2010"},
      {2010y / April / 12, 4, "100", "042010", "10/04/2010"},
      {2009y / July / 17, 3, "195", "072009", "14/07/2009"},
      {2009y / July / 17, 6, "198", "072009", "17/07/2009"},
  };
  for (const Row& row : rows) {
    const std::string label = std::to_string(static_cast<int>(row.today.year())) + "-" +
                              std::to_string(static_cast<unsigned>(row.today.month())) + "-" +
                              std::to_string(static_cast<unsigned>(row.today.day())) + " #" +
                              std::to_string(row.i);
    const DayTexts day = fill_day_table(row.today)[static_cast<std::size_t>(row.i - 1)];
    EXPECT_EQ(day.giorno_anno, row.giorno_anno) << label;
    EXPECT_EQ(day.chiave_mese, row.chiave_mese) << label;
    EXPECT_EQ(day.data_grafico, row.data_grafico) << label;
  }
}

TEST(DayTable, TodayIsReadOnceSoARunAcrossMidnightKeepsItsSixDays) {
  FakePlatform window;
  window.files.files["/station/kurvo_M3000F2.ini"] = "\nfc/\n\ndata/\n\nwww/\n";
  window.files.folders = {
      {"fc", true}, {"fc/previous_M3000F2_plots", true}, {"data", true}, {"www", true}};
  AdvancingClock clock(2009y / July / 17);
  Form1({{{window.surface, window.converter}}, window.files, clock, window.diagnostics}, "/station",
        {})
      .Form_Load();

  EXPECT_EQ(clock.readings, 1);
  std::vector<std::string> archived;
  for (const auto& [path, content] : window.files.files) {
    if (path.starts_with("fc/previous_M3000F2_plots/")) archived.push_back(path.substr(26));
  }
  EXPECT_EQ(archived, (std::vector<std::string>{"2009193.gif", "2009194.gif", "2009195.gif",
                                                "2009196.gif", "2009197.gif", "2009198.gif"}));
}

}  // namespace
