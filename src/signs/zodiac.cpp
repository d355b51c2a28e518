#include "signs/zodiac.h"

#include "signs/modules.h"

const std::array<ZodiacSign, 12> Zodiac = {{
    {QStringLiteral("Aries"), 2, &modAries::LoadAriesData, &modAries::Record,
     QStringLiteral("/aries_-_daily_horoscope"), QStringLiteral("/aries_-_march_21_-_april_20")},
    {QStringLiteral("Taurus"), 11, &modTaurus::LoadTaurusData, &modTaurus::Record,
     QStringLiteral("/taurus_-_daily_horoscope"), QStringLiteral("/taurus_-_april_21_-_may_20")},
    {QStringLiteral("Gemini"), 5, &modGemini::LoadGeminiData, &modGemini::Record,
     QStringLiteral("/gemini_-_daily_horoscope"), QStringLiteral("/gemini_-_may_21_-_june_20")},
    {QStringLiteral("Cancer"), 3, &modCancer::LoadCancerData, &modCancer::Record,
     QStringLiteral("/cancer_-_daily_horoscope"), QStringLiteral("/cancer_-_june_21_-_july_20")},
    {QStringLiteral("Leo"), 6, &modLeo::LoadLeoData, &modLeo::Record,
     QStringLiteral("/leo_-_daily_horoscope"), QStringLiteral("/leo_-_july_21_-_august_20")},
    {QStringLiteral("Virgo"), 12, &modVirgo::LoadVirgoData, &modVirgo::Record,
     QStringLiteral("/virgo_-_daily_horoscope"), QStringLiteral("/virgo_-_august_21_-_september_20")},
    {QStringLiteral("Libra"), 7, &modLibra::LoadLibraData, &modLibra::Record,
     QStringLiteral("/libra_-_daily_horoscope"), QStringLiteral("/libra_-_september_21_-_october_20")},
    {QStringLiteral("Scorpio"), 10, &modScorpio::LoadScorpioData, &modScorpio::Record,
     QStringLiteral("/scorpio_-_daily_horoscope"), QStringLiteral("/scorpio_-_october_21_-_november_20")},
    {QStringLiteral("Sagittarius"), 9, &modSagittarius::LoadSagittariusData, &modSagittarius::Record,
     QStringLiteral("/sagittarius_-_daily_horoscope"), QStringLiteral("/sagittarius_-_november_21_-_december_20")},
    {QStringLiteral("Capricorn"), 4, &modCapricorn::LoadCapricornData, &modCapricorn::Record,
     QStringLiteral("/capricorn_-_daily_horoscope"), QStringLiteral("/capricorn_-_december_21_-_january_19")},
    {QStringLiteral("Aquarius"), 1, &modAquarius::LoadAquariusData, &modAquarius::Record,
     QStringLiteral("/aquarius_-_daily_horoscope"), QStringLiteral("/aquarius_-_january_20_-_february_18")},
    {QStringLiteral("Pisces"), 8, &modPisces::LoadPiscesData, &modPisces::Record,
     QStringLiteral("/pisces_-_daily_horoscope"), QStringLiteral("/pisces_-_february_19_-_march_20")},
}};

const ZodiacSign* FindSign(const QString& name)
{
    for (const ZodiacSign& sign : Zodiac) {
        if (sign.name == name)
            return &sign;
    }
    return nullptr;
}
