// The pictures' credits taken from entries shaped as the notices file writes them.
#include "options/picture_credits.h"

#include <gtest/gtest.h>

namespace {

constexpr char kNotices[] =
    "1. The built-in pictures\n"
    "------------------------\n"
    "\n"
    "C01X  \"Cold Ripple\"\n"
    "      Author: Risto Saukonp\xC3\xA4\xC3\xA4 <paristo@gmail.com> (metadata.json)\n"
    "      Copyright: 2014 KDE Visual Design Group http://vdesign.kde.org/ (Debian copyright)\n"
    "      Licence: GPL-2+ (Debian copyright, Files: *); LGPLv3 (metadata.json)\n"
    "      Source: plasma-workspace-wallpapers 4:5.27.5-2,\n"
    "\n"
    "C04X  \"LadyBird\"\n"
    "      Artist: Charles Barbin (mate-nature.xml)\n"
    "      Copyright \xC2\xA9 2008 Charles Barbin <barbinch@free.fr> (upstream AUTHORS)\n"
    "      Licence: GPL-2+ (upstream README: \"released under the terms of the GNU General Public\n"
    "               License (GNU GPL) version 2 or greater\"; the Debian copyright file has no stanza\n"
    "\n"
    "C16X  \"sunset\"\n"
    "      Copyright: Aitzol Berasategi, 2018\n"
    "      Licence: CC-BY-4.0\n"
    "\n"
    "2. Libraries linked into the Windows program\n"
    "  Copyright (C)2009-2023 D. R. Commander.  All Rights Reserved.\n";

TEST(PictureCredits, OneLinePerPictureWithAuthorOrCopyrightAndLicenceInCodePage1252) {
  EXPECT_EQ(PictureCredits(kNotices),
            "C01X \"Cold Ripple\": Risto Saukonp\xE4\xE4 <paristo@gmail.com> - GPL-2+; LGPLv3\r\n"
            "C04X \"LadyBird\": Charles Barbin - GPL-2+\r\n"
            "C16X \"sunset\": Aitzol Berasategi, 2018 - CC-BY-4.0\r\n");
  EXPECT_EQ(PictureCredits("2. Libraries\n  Copyright: someone\n"), "");
}

}  // namespace
