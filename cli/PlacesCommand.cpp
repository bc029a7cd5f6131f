#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "cli/OptionNames.h"
#include "models/solartime/BirthMoment.h"
#include "models/solartime/Places.h"

#include <cstdio>

// The places --place accepts: what a query finds, best first.
namespace cli {
namespace {

constexpr std::size_t kMatches = 20;

constexpr std::string_view kHelp = R"(Usage: bazi places [--json] QUERY...
       bazi places [--json] -

Lists the places matching each QUERY, best first, at most 20, one line each: the name, region, longitude
and latitude (degrees, east and north positive) and IANA zone, separated by tabs:
  bazi places 喀什   ->   喀什	新疆	75.99	39.47	Asia/Urumqi
A query is a Chinese name (whole, without its kind, or its beginning), pinyin with or without tones
("kashi", "ks"), or an English name; "NAME REGION" keeps to a region. --place takes the same names; a place
listed with Asia/Urumqi is charted in Beijing time, China's legal clock, unless --tz says otherwise.

Options:
  --json   one object per place and line:
           {"name":"喀什","region":"新疆","english":"Kashgar","longitude":75.99,"latitude":39.47,"zone":"Asia/Urumqi"}
)";

Answer placesAnswer(std::string_view value, const GivenOptions&)
{
    const auto places = models::findPlaces(value, kMatches);
    if (places.empty())
        return refuse("no place matches " + shown(value));
    Answer answer;
    for (const models::Place* place : places) {
        const std::string name = models::placeName(*place);
        const std::string longitude = models::degreesText(place->longitude);
        const std::string latitude = models::degreesText(place->latitude);
        answer.records.push_back({name + '\t' + std::string(place->region) + '\t' + longitude + '\t' + latitude + '\t' +
                                      std::string(place->zone),
                                  JsonObject()
                                      .text("name", name)
                                      .text("region", place->region)
                                      .text("english", place->english)
                                      .json("longitude", longitude)
                                      .json("latitude", latitude)
                                      .text("zone", place->zone)
                                      .str()});
    }
    return answer;
}

const CommandDefinition kPlaces{"places", kHelp, {}, placesAnswer};

} // namespace

int placesCommand(Args args)
{
    return runCommand(kPlaces, args);
}

} // namespace cli
