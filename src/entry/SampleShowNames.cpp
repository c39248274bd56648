#include "entry/SampleShowNames.h"

namespace
{

const QStringList kFirstNames{
    "Ada",   "Alma",  "Bea",      "Cora",   "Della",  "Edie",    "Flora",  "Greta", "Hattie",
    "Iris",  "June",  "Kit",      "Lena",   "Mabel",  "Nell",    "Opal",   "Pearl", "Rosa",
    "Sadie", "Tess",  "Una",      "Vera",   "Wren",   "Abe",     "Barney", "Cyril", "Dell",
    "Elmer", "Fritz", "Gus",      "Hal",    "Ike",    "Jasper",  "Kip",    "Lyle",  "Milo",
    "Ned",   "Otis",  "Percy",    "Quill",  "Rufus",  "Silas",   "Tobias", "Ulric", "Virgil",
    "Walt",  "Zeke",  "Marigold", "Hollis", "Linnea", "Thaddeus"};
const QStringList kLastNameStarts{"Apple",  "Bramble", "Clover", "Dapple",  "Elder",  "Fern",
                                  "Gorse",  "Hazel",   "Ivy",    "Juniper", "Kettle", "Larch",
                                  "Marrow", "Nettle",  "Oat",    "Pepper",  "Quince", "Rowan",
                                  "Sorrel", "Thistle", "Umber",  "Vetch",   "Willow", "Yarrow"};
const QStringList kLastNameEnds{"by",    "combe", "field", "ford", "gate",  "hill",
                                "hurst", "ley",   "mere",  "more", "stead", "thorne",
                                "ton",   "well",  "wick",  "wood"};
const QStringList kKennels{"Foxglove Hill", "Tumbleweed",   "Larkspur Glen", "Cobble Lane",
                           "Moonpenny",     "Briarwood",    "Saltmarsh",     "Windrift",
                           "Hollowbrook",   "Starling Run", "Quillfeather",  "Ambergate"};
const QStringList kDogNameWords{"Merry",  "Pepper",  "Whistle", "Bounce", "Comet",   "Tinker",
                                "Sprite", "Bramble", "Pippin",  "Ember",  "Drifter", "Juniper",
                                "Rascal", "Sunny",   "Biscuit", "Maple",  "Ziggy",   "Clover",
                                "Domino", "Pixel",   "Riddle",  "Tansy",  "Velvet",  "Widget"};
const QStringList kDogNameTails{"Stop",  "Dream", "Dash",   "Spark", "Jig",   "Charm",
                                "Quest", "Caper", "Echo",   "Gale",  "Glint", "Whirl",
                                "Romp",  "Trick", "Breeze", "Tune"};
const QStringList kCallNames{"Pip", "Scout", "Moss", "Tig",  "Juno", "Bolt", "Dot", "Fig",
                             "Nip", "Rook",  "Sky",  "Tuck", "Wisp", "Zip",  "Bea", "Kit"};
const QStringList kStreets{"Willowmere Lane",  "Gristmill Road", "Lantern Way",   "Orchard Row",
                           "Bellflower Court", "Tanner Street",  "Kestrel Drive", "Quarry Hill",
                           "Mossy Bank Road",  "Plover Place"};
const QStringList kCities{"Lindenford",      "Oakhaven",  "Millbrook Falls", "Harrowgate",
                          "Stillwater Bend", "Pemberton", "Copperfield",     "Ashgrove"};
const QStringList kStates{"OH", "PA", "NY", "MI", "IN", "WV", "KY", "ON"};
const QStringList kNotes{"Needs a crate space near the ring",
                         "Bitch in season - judge to be told",
                         "Please send the catalog by mail",
                         "Shares a crate with her kennel mate",
                         "Handler uses a wheelchair: wide aisles please",
                         "Moving up from Novice after this weekend"};

} // namespace

QString SampleNames::firstName()
{
    return pick(kFirstNames);
}

QString SampleNames::lastName()
{
    return pick(kLastNameStarts) + pick(kLastNameEnds);
}

QString SampleNames::kennelName()
{
    return pick(kKennels);
}

QString SampleNames::dogName()
{
    return kennelName() + "'s " + pick(kDogNameWords) + ' ' + pick(kDogNameTails);
}

QString SampleNames::callName()
{
    return pick(kCallNames);
}

QString SampleNames::street()
{
    return QString::number(10 + below(990)) + ' ' + pick(kStreets);
}

QString SampleNames::city()
{
    return pick(kCities);
}

QString SampleNames::state()
{
    return pick(kStates);
}

QString SampleNames::zip()
{
    return QString::number(10000 + below(89999));
}

// The 555-0100 to 555-0199 block is kept for fiction.
QString SampleNames::phone()
{
    return QStringLiteral("%1-555-01%2")
        .arg(200 + below(700))
        .arg(below(100), 2, 10, QLatin1Char('0'));
}

QString SampleNames::note()
{
    return pick(kNotes);
}
