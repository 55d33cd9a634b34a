#!/usr/bin/env python3
"""Writes the synthetic sample station week of examples/: two monthly forecast files and
the 15-minute measurements of a station named "Rome" for 28 June to 3 July 2026.

The values are made up: a smooth diurnal forecast, and measurements that follow it with a
slow drift of 0.1 to 0.3 and a little noise, with a few "N/A" and "NO" entries and a gap on
30 June. The same seed always gives the same files. Run it from anywhere:

    python3 examples/make_sample_week.py
"""

import datetime
import math
import pathlib
import random

HERE = pathlib.Path(__file__).resolve().parent
FORECAST = HERE / "forecast"
DATA = HERE / "data"
FIRST_DAY = datetime.date(2026, 6, 28)
DAYS = 6
GAP_DAY = datetime.date(2026, 6, 30)
GAP_HOURS = range(9, 13)  # no files from 09:00 to 12:45


def forecast_value(month, hour):
    """The month's forecast of M(3000)F2 at a whole hour of UT."""
    level, swing = {6: (3.02, 0.18), 7: (2.99, 0.20)}[month]
    return (level + swing * math.cos(2 * math.pi * (hour - 13) / 24)
            + 0.05 * math.sin(4 * math.pi * hour / 24))


def forecast_at(month, hours):
    """The forecast between whole hours, joined by straight lines as on the chart."""
    hour = int(hours) % 24
    share = hours - int(hours)
    return (1 - share) * forecast_value(month, hour) + share * forecast_value(month, (hour + 1) % 24)


def write_forecast(month):
    values = "".join(f"{forecast_value(month, hour):5.2f}" for hour in range(24))
    header = "".join(f"{hour:5d}" for hour in range(24))
    text = (f"Synthetic M(3000)F2 forecast, {month:02d}/2026, hourly values 0 to 23 UT\r\n"
            f"{header}\r\n{values}\r\n")
    (FORECAST / f"{month:02d}2026.txt").write_bytes(text.encode("ascii"))


def field(value, rng):
    """The five characters 16 to 20 of line 5: a value, or now and then N/A or NO."""
    draw = rng.random()
    if draw < 0.012:
        return "  N/A"
    if draw < 0.022:
        return "   NO"
    return f"{value:5.2f}"


def write_measurements(rng):
    for old in DATA.glob("RM041_*.TXT"):
        old.unlink()
    for day_index in range(DAYS):
        day = FIRST_DAY + datetime.timedelta(days=day_index)
        day_of_year = day.timetuple().tm_yday
        bias = rng.choice([-1, 1]) * rng.uniform(0.1, 0.2)
        phase = rng.uniform(0, 2 * math.pi)
        for hour in range(24):
            if day == GAP_DAY and hour in GAP_HOURS:
                continue
            for minute in (0, 15, 30, 45):
                hours = hour + minute / 60
                drift = bias + 0.1 * math.sin(2 * math.pi * hours / 9 + phase)
                value = forecast_at(day.month, hours) + drift + rng.gauss(0, 0.015)
                value = min(3.6, max(2.6, value))
                lines = [
                    "Rome       synthetic sample station, not real data",
                    f"Date {day.isoformat()}  Time {hour:02d}:{minute:02d}:00 UT  Day {day_of_year:03d}",
                    "Autoscaled ionogram characteristics",
                    "-----------------------------------",
                    f"{'M(3000)F2':<15}{field(value, rng)}",
                ]
                name = f"RM041_{day.year}{day_of_year:03d}{hour:02d}{minute:02d}00.TXT"
                (DATA / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


def main():
    rng = random.Random(2026)
    FORECAST.mkdir(exist_ok=True)
    DATA.mkdir(exist_ok=True)
    for month in (6, 7):
        write_forecast(month)
    write_measurements(rng)


if __name__ == "__main__":
    main()
