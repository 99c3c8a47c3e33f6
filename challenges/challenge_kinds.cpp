#include "challenges/challenge_kinds.h"

namespace pictorio {
namespace {

// Intro lines are separated by line feed then carriage return; the blanks at
// line ends belong to the text.
#define LINE_BREAK "\n\r"

const std::array<ChallengeKind, kChallengeKindCount> kKinds = {{
    {"Paint Wall", 2, "\\challenge\\ch1.jpg", qRgb(255, 255, 255), qRgb(255, 0, 0), "wallbrush", 20,
     "m2.mid", 8, 6.0, 15, 1, 6, "ROLL", true, 0,
     "You need to paint the white wall completely red in 20 seconds." LINE_BREAK
     "Try to cover as much as possible without painting anything else." LINE_BREAK
     "The cost to compete in this challenge is $8.",
     "(Prize of $15 avaliable if",
     "You have a total score of more than 80% and get the coveted wall painting trophy. You also "
     "receive $15 prize money."},
    {"Spraypaint", 3, "\\challenge\\ch2.jpg", qRgb(0, 0, 0), qRgb(239, 239, 255), "spray", 45,
     "m3.mid", 12, 1.25, 20, 2, 7, "SPRAY", false, 14,
     "Cover all the black with light blue spray-paint." LINE_BREAK
     "You have 45 seconds to do this. " LINE_BREAK "The cost to compete in the challenge is $12",
     "(Prize of $20 avaliable if",
     "Well done. Your score is higher than 80% and you therefore receive the eminent "
     "spray-painting trophy. You also receive $20 prize money."},
    {"Calligraphy", 6, "\\challenge\\ch5.jpg", qRgb(0, 0, 0), qRgb(255, 0, 0), "pen", 90, "m4.mid",
     18, 10.0, 30, 3, 8, "PEN", false, 29,
     "Redo the black signature of Morvel in red. " LINE_BREAK "Be as exact as possible." LINE_BREAK
     "You have 90 seconds to complete this challenge with a   " LINE_BREAK "cost of  $18 to enter",
     "(Prize of $30 avaliable if",
     "Morvel is very impressed with your work. An award of $30 is presented to you with the "
     "calligraphy trophy."},
    {"Brush Art", 7, "\\challenge\\ch6.jpg", qRgb(239, 239, 239), qRgb(0, 0, 0), "bart", 110,
     "m5.mid", 20, 3.33, 45, 4, 4, "BRU", false, 39,
     "Use the brush art technique to repaint the white letters." LINE_BREAK
     "You have 110 seconds to complete the challenge." LINE_BREAK "The cost to compete is $20.",
     "(Prize of $45 avaliable if",
     "You have done very well and are rewarded with the Chinese brush art trophy. You also receive "
     "$45."},
    {"Tattoo", 4, "\\challenge\\ch3.jpg", qRgb(255, 255, 255), qRgb(33, 0, 33), "tatoo", 180,
     "m6.mid", 35, 4.8, 60, 5, 9, "TAT", false, 59,
     "In this challenge you need to complete the tattoo in permanent ink." LINE_BREAK
     "Be extremely careful not to stray from the white template, as there is a large penalty for "
     "doing so." LINE_BREAK "You have 3 minutes. " LINE_BREAK "The cost to compete is $35. ",
     "(Prize of $60 avaliable if",
     "The client is happy with his tattoo and you receive a prize of $60. In addition you also get "
     "the best tattoo artist trophy."},
    {"Restore", 5, "\\challenge\\ch4.jpg", qRgb(255, 255, 255), qRgb(0, 0, 0), "restore", 300,
     "m7.mid", 45, 3.66, 100, 6, 4, "BRU", false, 74,
     "Restore the roof of the Chapel but be careful not to paint over the ancient "
     "artwork." LINE_BREAK "To do so fill only the white regions with black paint." LINE_BREAK
     "There is a severe penalty for covering anything else." LINE_BREAK
     "You have 5 minutes to complete the challenge " LINE_BREAK "and the cost is $45. ",
     "(Prize of $100 avaliable if",
     "For your excellent restoration work you receive the illustrious "
     "Verrazzini-Sistine-Chapel award and a cash prize of $100. Well done."},
}};

#undef LINE_BREAK

}  // namespace

const std::array<ChallengeKind, kChallengeKindCount>& ChallengeKinds() {
  return kKinds;
}

const ChallengeKind* ChallengeKindOfButton(int button) {
  for (const ChallengeKind& kind : kKinds)
    if (kind.button == button) return &kind;
  return nullptr;
}

bool ChallengeEnabled(const ChallengeKind& kind, int reputation) {
  return kind.alwaysEnabled || reputation > kind.reputationAbove;
}

}  // namespace pictorio
