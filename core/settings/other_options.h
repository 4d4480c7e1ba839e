// Applying the other-options dialog: free limits or the level's limits, then pointers back to the origin.
#pragma once

#include <string>

struct Context;

// What the dialog hands over when "確認" is pressed: the check box and the two value labels as shown.
struct OtherOptionValues {
  bool enabled = false;
  std::u16string unitLengthLabel;  // lblValueOfmintUnitLength
  std::u16string maxSizeLabel;     // lblValueofmintMaxSize
};

// Sets the limits (from the labels when enabled, else from the ticked level), tells the user in draw
// mode that the pointer goes home, resets the reference points, recomputes and redraws.
void ApplyOtherOptions(Context& c, const OtherOptionValues& v);
