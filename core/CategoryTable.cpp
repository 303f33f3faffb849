#include "dFunc.h"

namespace velomira {

// The hint texts are shown exactly as the service's editors wrote them.
const std::array<CategoryInfo, CategoryCount> CategoryTable = {{
    {"News", "News", 1,
     "Know what's going on in the world. Velomira delivers the freshest and hottest news 24 hours a "
     "day, 7 days a week."},
    {"Money", "Money", 6,
     "Know what sticks to buy and which companies are booming. With Velomira Money, you will never "
     "lose your way in the business world."},
    {"Sports", "Sports", 5,
     "From scoreboards to snow boards. Velomira will take you to whatever sporting event you prefer."},
    {"Music", "Music", 2,
     "Experience today's most popular tunes and yesterdau's classics at Velomira Music.Whatever "
     "musical genre you prefer, change are, Velomira has it."},
    {"Entertainment", "Enter", 3,
     "Who's hot and who's not. Find out what's going on in Tinsel town with Velomira Entertainment."},
    {"Lifestyle", "Life", 4,
     "Life's a journey not a destination. Let us make your life worth living with Lifestyle."},
    {"Tech & Sci", "Tech", 7,
     "Discover a world of wonder and innovations. See the world in a new light through Velomira "
     "Tech & Sci."},
    {"Mars & Venus", "Sex", 8,
     "Can'get a data? Want to be a better spouse or a more effective parent? Let us give you the "
     "answers to these and other related questions with Mars & Venus"},
    {"Chat Event", "Chat", 9,
     "A penny for your thoughts. Voice out your opinions by participating in any of our eight Chat "
     "categories."},
}};

}  // namespace velomira
