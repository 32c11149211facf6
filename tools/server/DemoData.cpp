// The demo directory and calls: see DemoData.h. Names are bytes in the clients'
// code page: "\xe9" is an e with an acute accent.
#include "DemoData.h"

namespace ringlook::server {

const std::vector<DemoEntry>& DemoEntries() {
  static const std::vector<DemoEntry> entries = {
      {"0384211234", "Bakkerij De Korenaar", "", "0"},
      {"0384567890", "Huisartsenpraktijk Van Dijk", "Spoed: direct doorverbinden met de assistente", "1"},
      {"140038", "Gemeente Zwolle", "", "0"},
      {"0572351122", "Caf\xe9 De Zwaan", "", "0"},
      {"0612345678", "Autobedrijf Jansen & Zn.", "Factuur staat open.\r\nEerst doorverbinden met de boekhouding.", "2"},
      {"0384653377", "Tandartspraktijk De Vries", "Afspraken alleen 's ochtends", "1"},
      {"0529481516", "Loodgietersbedrijf Bosman", "", "0"},
      {"0534307788", "Stichting Woningcorporatie Oost-Nederland", "Vraagt naar dhr. Hendriks", "1"},
      {"0383334455", "Notariskantoor Mulder", "Altijd meteen doorverbinden", "2"},
      {"0384229900", "Drukkerij Visser", "", "0"},
      {"0553012345", "Hotel-Restaurant De Gouden Leeuw", "", "0"},
      {"0882345678",
       "Cr\xe8"
       "che Het Zonnetje",
       "", "0"},
  };
  return entries;
}

const std::vector<DemoCall>& DemoCalls() {
  static const std::vector<DemoCall> calls = {
      {"0384567890", 7, 120, 1}, {"0553012345", 7, 60, 2}, {"0612345678", 2, 200, 1}, {"0384211234", 1, 300, 3},
      {"0687654321", 1, 90, 2},  {"0529481516", 1, 30, 1}, {"140038", 0, 185, 1},     {"0384211234", 0, 150, 2},
      {"0572351122", 0, 128, 1}, {"0641239876", 0, 95, 3}, {"0383334455", 0, 71, 1},  {"0384567890", 0, 42, 2},
      {"0534307788", 0, 18, 1},  {"0384211234", 0, 6, 4},
  };
  return calls;
}

}  // namespace ringlook::server
