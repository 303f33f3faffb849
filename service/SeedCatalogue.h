#pragma once
// Names and texts of the sample guide.
#include <array>

namespace velomira::service::sample {

struct SubCategoryList {
  int category;  // service code
  std::array<const char*, 8> names;  // nullptr ends a shorter list
};

inline constexpr std::array<SubCategoryList, 9> kSubCategories = {{
    {1, {"World", "Politics", "Local", "Weather", "Science News", nullptr}},
    {6, {"Markets", "Personal Finance", "Real Estate", "Startups", nullptr}},
    {5, {"Football", "Basketball", "Tennis", "Motor Sports", "Extreme & Snow", nullptr}},
    {2, {"Pop & Rock", "Jazz & Blues", "Classical", "Hip-Hop & R&B", "Electronic",
         "Country & Folk", nullptr}},
    {3, {"Movies", "TV Shows", "Celebrities", "Comedy", nullptr}},
    {4, {"Travel", "Food & Drink", "Health", "Home & Garden", nullptr}},
    {7, {"Gadgets", "Internet", "Space", "Nature & Science", nullptr}},
    {8, {"Dating", "Family", "Parenting", "Relationships", nullptr}},
    {9, {"Movie Talk", "Music Talk", "Sports Talk", "Politics Talk", "Tech Talk", "Games",
         "Hobbies", "Open Mic"}},
}};

struct CodeName {
  const char* code;
  const char* name;
};

inline constexpr std::array<CodeName, 6> kStationCategories = {{
    {"tv", "TV Channel"}, {"radio", "Radio Station"}, {"news", "News Network"},
    {"music", "Music Channel"}, {"sports", "Sports Network"}, {"talk", "Talk & Chat"},
}};

inline constexpr std::array<CodeName, 8> kStates = {{
    {"CA", "California"}, {"NY", "New York"}, {"TX", "Texas"}, {"FL", "Florida"},
    {"IL", "Illinois"}, {"WA", "Washington"}, {"MA", "Massachusetts"}, {"INT", "International"},
}};

struct StationSample {
  const char* name;
  int category;  // service code of its programs
  const char* stationCategory;
  const char* state;
  char media;  // v video, a audio, c chat
};

inline constexpr std::array<StationSample, 40> kStations = {{
    {"Velo News 24", 1, "news", "NY", 'v'},
    {"Global Wire TV", 1, "tv", "INT", 'v'},
    {"Metro Radio News", 1, "radio", "IL", 'a'},
    {"Pacific Report", 1, "news", "CA", 'v'},
    {"Weather Now Radio", 1, "radio", "FL", 'a'},
    {"Market Pulse TV", 6, "tv", "NY", 'v'},
    {"Money Talk Radio", 6, "radio", "IL", 'a'},
    {"Capital Stream", 6, "news", "MA", 'v'},
    {"Startup Hour Radio", 6, "radio", "WA", 'a'},
    {"Arena Sports TV", 5, "sports", "TX", 'v'},
    {"Goal Line Radio", 5, "radio", "INT", 'a'},
    {"Courtside Live", 5, "sports", "CA", 'v'},
    {"Pit Lane Radio", 5, "radio", "FL", 'a'},
    {"Snowpeak Channel", 5, "tv", "WA", 'v'},
    {"Rock Avenue FM", 2, "music", "CA", 'a'},
    {"Blue Note Lounge", 2, "radio", "IL", 'a'},
    {"Classic Hall Radio", 2, "radio", "MA", 'a'},
    {"Beat Street TV", 2, "music", "NY", 'v'},
    {"Pulse Electronic", 2, "music", "INT", 'a'},
    {"Prairie Country FM", 2, "radio", "TX", 'a'},
    {"Chart Hits Video", 2, "music", "FL", 'v'},
    {"Silver Screen TV", 3, "tv", "CA", 'v'},
    {"Sitcom Central", 3, "tv", "NY", 'v'},
    {"Star Gossip Radio", 3, "radio", "FL", 'a'},
    {"Laugh Track Radio", 3, "radio", "IL", 'a'},
    {"Premiere Channel", 3, "tv", "INT", 'v'},
    {"Wanderlust TV", 4, "tv", "INT", 'v'},
    {"Kitchen Radio", 4, "radio", "CA", 'a'},
    {"Wellness Stream", 4, "tv", "WA", 'v'},
    {"Home & Garden Live", 4, "tv", "TX", 'v'},
    {"Gadget Lab TV", 7, "tv", "CA", 'v'},
    {"Net Radio Daily", 7, "radio", "WA", 'a'},
    {"Orbit Channel", 7, "tv", "TX", 'v'},
    {"Wild Science TV", 7, "tv", "MA", 'v'},
    {"Heart to Heart Radio", 8, "radio", "NY", 'a'},
    {"Family Room TV", 8, "tv", "IL", 'v'},
    {"Parents Corner", 8, "talk", "FL", 'c'},
    {"Velo Chat Lounge", 9, "talk", "INT", 'c'},
    {"Open Mic Live", 9, "talk", "CA", 'c'},
    {"Game Night Chat", 9, "talk", "NY", 'c'},
}};

// Stations (numbers from 1, in kStations order) with a banner in the channel
// window's grid, one per category from News to Tech & Sci: seven banners fill
// rows of three, three and one. The picture of station n is "sttnNN.gif"; the
// skin generator draws the same set (skin/SamplePictures.cpp).
inline constexpr std::array<int, 7> kBannerStations = {1, 6, 10, 15, 22, 27, 31};

// Program titles per category (service code - 1); the day picks one.
inline constexpr std::array<std::array<const char*, 6>, 9> kTitles = {{
    {"World Report", "Morning Briefing", "Headline Hour", "The Evening Desk", "Newsline",
     "Around the Globe"},
    {"Top 40 Countdown", "Live Session", "Vinyl Hour", "Night Grooves", "New Releases",
     "Requests & Dedications"},
    {"Premiere Night", "Behind the Scenes", "Comedy Hour", "Red Carpet", "Film Club",
     "Late Show"},
    {"Weekend Getaway", "Chef's Table", "Fit in Ten", "Green Thumb", "Healthy Living",
     "Cities of the World"},
    {"Match Day", "Game Analysis", "Training Ground", "Race Weekend", "Highlights",
     "Locker Room"},
    {"Market Open", "Closing Bell", "Money Matters", "Investor Hour", "Startup Stories",
     "Property Watch"},
    {"Gadget Review", "Web Watch", "Mission Control", "Science Today", "Future Lab",
     "Planet Earth"},
    {"Date Night", "Family Matters", "Parent Hour", "Love Letters", "Ask the Experts",
     "Together"},
    {"Open Chat", "Fan Forum", "Movie Night Chat", "Game Room", "Debate Club", "Ask Me Anything"},
}};

inline constexpr std::array<const char*, 8> kHosts = {
    "with Ana Ruiz", "with Tom Becker", "Jin & Friends", "with Maya Ortiz",
    "with Lukas Novak", "DJ Sola", "with Priya Nair", "Coach Dale",
};

inline constexpr std::array<const char*, 5> kDescriptions = {
    "The latest stories and the people behind them, live.",
    "An hour of the best of the week, picked by our editors.",
    "Join us live; questions from listeners and viewers are welcome.",
    "Fresh and exclusive, straight from the studio.",
    "Everything you need to know, in plain words.",
};
// The two that say "live".
inline constexpr std::array<const char*, 2> kLiveDescriptions = {kDescriptions[0], kDescriptions[2]};

struct HelpTopic {
  const char* page;
  const char* title;
  const char* logName;
  const char* body;
};

inline constexpr std::array<HelpTopic, 6> kHelpTopics = {{
    {"topic1.htm", "Getting started", "getting_started",
     "Log in with your ID and password. The main window shows your own list or one of nine "
     "categories; click a category picture to choose it."},
    {"topic2.htm", "Presets and alarms", "presets",
     "Click a program without a page, or choose one of the top 5, and confirm: a bubble rises "
     "in the minute before the program starts."},
    {"topic3.htm", "Finding channels", "channels",
     "Open the channel window, pick a station category and a state, type a keyword and search. "
     "Add a station to My Channels to find it in the menus."},
    {"topic4.htm", "The daily guide", "daily",
     "Choose a day and a category to see what plays that day, page by page."},
    {"topic5.htm", "Searching programs", "search",
     "Type a keyword, choose a category and a time window; \"right now\" shows what is on air."},
    {"topic6.htm", "Connection problems", "connection",
     "When the service cannot be reached, check your network and the proxy settings in the "
     "login window."},
}};

}  // namespace velomira::service::sample
