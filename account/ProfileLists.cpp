#include "account/ProfileLists.h"

#include <charconv>
#include <string_view>

#include "core/AsciiText.h"

namespace velomira {

const std::vector<TimeZoneItem>& TimeZoneItems() {
  static const std::vector<TimeZoneItem> items{
      {"select", ""},
      {"(GMT -12:00) Eniwetok, Kwajalein", "-1200"},
      {"(GMT -11:00) Midway Island, Samoa", "-1100"},
      {"(GMT -10:00) Hawaii", "-1000"},
      {"(GMT -09:00) Alaska", "-0900"},
      {"(GMT -08:00) Pacific Time (US & Canada); Tijuana", "-0800"},
      {"(GMT -07:00) Arizona", "-0700"},
      {"(GMT -07:00) Mountain Time (US & Canada)", "-0700"},
      {"(GMT -06:00) Central Time (US & Canada)", "-0600"},
      {"(GMT -06:00) Mexico City", "-0600"},
      {"(GMT -06:00) Saskatchewan", "-0600"},
      {"(GMT -05:00) Bogota, Lima", "-0500"},
      {"(GMT -05:00) Eastern Time (US & Canada)", "-0500"},
      {"(GMT -05:00) Indiana (East)", "-0500"},
      {"(GMT -04:00) Atlantic Time (Canada)", "-0400"},
      {"(GMT -04:00) Caracas, La Paz", "-0400"},
      {"(GMT -03:30) Newfoundland", "-0330"},
      {"(GMT -03:00) Brasilia", "-0300"},
      {"(GMT -03:00) Buenos Aires, Georgetown", "-0300"},
      {"(GMT -02:00) Mid-Atlantic", "-0200"},
      {"(GMT -01:00) Azores, Cape Verde Is", "-0100"},
      {"(GMT) Greenwich Mean Time; Dublin, London, Lisbon", "00000"},
      {"(GMT) Monrovia, Casablanca", "00000"},
      {"(GMT +01:00) Berlin, Stockholm, Rome, Vienna", "+0100"},
      {"(GMT +01:00) Paris, Madrid", "+0100"},
      {"(GMT +01:00) Prague, Bratislava", "+0100"},
      {"(GMT +01:00) Warsaw", "+0100"},
      {"(GMT +02:00) Athens, Helsinki, Istanbul", "+0200"},
      {"(GMT +02:00) Cairo", "+0200"},
      {"(GMT +02:00) Eastern Europe", "+0200"},
      {"(GMT +02:00) Harare, Pretoria", "+0200"},
      {"(GMT +02:00) Israel", "+0200"},
      {"(GMT +03:00) Baghdad, Kuwait, Nairobi, Riyadh", "+0300"},
      {"(GMT +03:00) Moscow, St. Petersburg", "+0300"},
      {"(GMT +03:30) Tehran", "+0330"},
      {"(GMT +04:00) Abu Dhabi, Muscat, Tbilisi, Kazan", "+0400"},
      {"(GMT +04:30) Kabul", "+0430"},
      {"(GMT +05:00) Islamabad, Karachi, Ekaterinburg", "+0500"},
      {"(GMT +05:30) Bombay, Calcutta, Madras, New Delhi", "+0530"},
      {"(GMT +06:00) Almaty, Dhaka", "+0600"},
      {"(GMT +07:00) Bangkok, Jakarta, Hanoi", "+0700"},
      {"(GMT +08:00) Beijing, Chongqing, Urumbi", "+0800"},
      {"(GMT +08:00) Hong Kong, Perth, Singapore, Taipei", "+0800"},
      {"(GMT +09:00) Tokyo, Osaka, Sapporo, Seoul, Yakutsk", "+0900"},
      {"(GMT +09:30) Adelaide", "+0930"},
      {"(GMT +09:30) Darwin", "+0930"},
      {"(GMT +10:00) Brisbane", "+1000"},
      {"(GMT +10:00) Canberra, Melbourne, Sydney", "+1000"},
      {"(GMT +10:00) Guam, Port Moresby, Vladivostok", "+1000"},
      {"(GMT +10:00) Hobart", "+1000"},
      {"(GMT +11:00) Magadan, Solomon Is., New Caledonia", "+1100"},
      {"(GMT +12:00) Fiji, Kamchatka, Marshall Is.", "+1200"},
      {"(GMT +12:00) Wellington, Auckland", "+1200"},
  };
  return items;
}

namespace {

int ZoneOffset(const TimeZoneItem& item) {
  std::string_view code(item.Code);
  if (!code.empty() && code.front() == '+') code.remove_prefix(1);
  int offset = 0;
  std::from_chars(code.data(), code.data() + code.size(), offset);
  return offset;
}

}  // namespace

std::string PreferenceZoneLabel(std::size_t item) {
  const auto& items = TimeZoneItems();
  const std::string label = items.at(item).Label;
  if (item < 2 || std::string_view(items[item].Code) != items[item - 1].Code) return label;
  return "            " + label.substr(label.find(") ") + 2);
}

std::size_t ZoneItemForOffset(int offset) {
  const auto& items = TimeZoneItems();
  for (std::size_t item = 1; item < items.size(); ++item) {
    if (ZoneOffset(items[item]) == offset) return item;
  }
  return 0;
}

const std::vector<std::string>& States() {
  static const std::vector<std::string> states{
      "Select", "OTHERS INCLUDING CANADA", "ANY STATES", "ALABAMA", "ALASKA", "AMERICAN SAMOA",
      "ARIZONA", "ARKANSAS", "CALIFORNIA", "COLORADO", "CONNECTICUT", "DELAWARE",
      "DISTRICT OF COLUMBIA", "FEDERATED STATES OF MICRONESIA", "FLORIDA", "GEORGIA", "GUAM",
      "HAWAII", "IDAHO", "ILLINOIS", "INDIANA", "IOWA", "KANSAS", "KENTUCKY", "LOUISIANA", "MAINE",
      "MARSHALL ISLANDS", "MARYLAND", "MASSACHUSETTS", "MICHIGAN", "MINNESOTA", "MISSISSIPPI",
      "MISSOURI", "MONTANA", "NEBRASKA", "NEVADA", "NEW HAMPSHIRE", "NEW JERSEY", "NEW MEXICO",
      "NEW YORK", "NORTH CAROLINA", "NORTH DAKOTA", "NORTHERN MARIANA ISLANDS", "OHIO", "OKLAHOMA",
      "OREGON", "PALAU", "PENNSYLVANIA", "PUERTO RICO", "RHODE ISLAND", "SOUTH CAROLINA",
      "SOUTH DAKOTA", "TENNESSEE", "TEXAS", "UTAH", "VERMONT", "VIRGIN ISLANDS", "VIRGINIA",
      "WASHINGTON", "WEST VIRGINIA", "WISCONSIN", "WYOMING",
  };
  return states;
}

const std::vector<std::string>& Countries() {
  static const std::vector<std::string> countries{
      "Select", "United States", "Canada", "Afghanistan", "Albania", "Algeria", "American Samoa",
      "Andorra", "Angola", "Anguilla", "Antarctica", "Antigua and Barbuda", "Argentina", "Armenia",
      "Aruba", "Australia", "Austria", "Azerbaijan", "Bahamas", "Bahrain", "Bangladesh",
      "Barbados", "Belarus", "Belgium", "Belize", "Benin", "Bermuda", "Bhutan", "Bolivia",
      "Bosnia and Herzegovina", "Botswana", "Bouvet Island", "Brazil", "British Indian Ocean Terr",
      "British Virgin Islands", "Brunei", "Bulgaria", "Burkina Faso", "Burundi", "Cambodia",
      "Cameroon", "Cape Verde", "Cayman Islands", "Central African Republic", "Chad", "Chile",
      "China", "Christmas Island", "Cocos Islands", "Colombia", "Comoros", "Congo", "Cook Islands",
      "Costa Rica", "Croatia", "Cuba", "Cyprus", "Czech Republic", "Denmark", "Djibouti",
      "Dominica", "Dominican Republic", "East Timor", "Ecuador", "Egypt", "El Salvador",
      "Equatorial Guinea", "Eritrea", "Estonia", "Ethiopia", "Falkland Islands", "Faroe Islands",
      "Fiji", "Finland", "France", "French Guiana", "French Polynesia", "French Southern Terr",
      "Gabon", "Gambia", "Georgia", "Germany", "Ghana", "Gibraltar", "Greece", "Greenland",
      "Grenada", "Guadeloupe", "Guam", "Guatemala", "Guinea", "Guinea-Bissau", "Guyana", "Haiti",
      "Heard and McDonald Islands", "Honduras", "Hong Kong", "Hungary", "Iceland", "India",
      "Indonesia", "Iran", "Iraq", "Ireland", "Israel", "Italy", "Ivory Coast", "Kazakhstan",
      "Kenya", "Kiribati", "Kuwait", "Kyrgyzstan", "Laos", "Latvia", "Lebanon", "Lesotho",
      "Liberia", "Libya", "Liechtenstein", "Lithuania", "Luxembourg", "Macau", "Macedonia",
      "Madagascar", "Malawi", "Malaysia", "Maldives", "Mali", "Malta", "Marshall Islands",
      "Martinique", "Mauritania", "Mauritius", "Mayotte", "Mexico", "Federated States Micronesia",
      "Moldova", "Monaco", "Mongolia", "Montserrat", "Morocco", "Mozambique", "Myanmar", "Namibia",
      "Nauru", "Nepal", "Netherlands", "Netherlands Antilles", "New Caledonia", "New Zealand",
      "Nicaragua", "Niger", "Nigeria", "Norfolk Island", "North Korea", "Northern Mariana Islands",
      "Norway", "Oman", "Pakistan", "Palau", "Panama", "Papua New Guinea", "Paraguay", "Peru",
      "Philippines", "Pitcairn Island", "Poland", "Portugal", "Puerto Rico", "Qatar", "Reunion",
      "Romania", "Russia", "Rwanda", "S. Georgia and S. Sandwich Isls.", "Saint Kitts and Nevis",
      "Saint Lucia", "The Grenadines Saint Vincent", "Samoa", "San Marino",
      "Sao Tome and Principe", "Saudi Arabia", "Senegal", "Seychelles", "Sierra Leone",
      "Singapore", "Slovakia", "Slovenia", "Somalia", "South Africa", "South Korea", "Spain",
      "Sri Lanka", "St. Helena", "St. Pierre and Miquelon", "Sudan", "Suriname",
      "Svalbard and Jan Mayen Islands", "Swaziland", "Sweden", "Switzerland", "Syria", "Taiwan",
      "Tajikistan", "Tanzania", "Thailand", "Togo", "Tokelau", "Tonga", "Trinidad and Tobago",
      "Tunisia", "Turkey", "Turkmenistan", "Turks and Caicos Islands", "Tuvalu",
      "U.S. Minor Outlying Islands", "Uganda", "Ukraine", "United Arab Emirates", "United Kingdom",
      "Uruguay", "Uzbekistan", "Vanuatu", "Vatican City", "Venezuela", "Vietnam", "Virgin Islands",
      "Wallis and Futuna Islands", "Western Sahara", "Yemen", "Yugoslavia Former)", "Zaire",
      "Zambia", "Zimbabwe", "Other", "Japan", "Jordan", "Jamaica",
  };
  return countries;
}

const char* AgeCode(int item) {
  if (item < 1 || item > static_cast<int>(kAgeCodes.size())) return NoAgeCode;
  return kAgeCodes[static_cast<std::size_t>(item - 1)];
}

std::string ItemText(const std::vector<std::string>& items, int item) {
  return item >= 0 && item < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(item)] : std::string();
}

int FindItemIgnoringCase(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (EqualsNoCase(items[i], text)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace velomira
