#!/usr/bin/python3
"""What a station operator might write instead of kurvo_M3000F2, with matplotlib and Pillow.

Run in the station folder: reads kurvo_M3000F2.ini, and for each of the six days ending on
the given day (default today, UT) draws the month's hourly forecast as a white curve and every
measurement file of the day as a red dot on a 286 x 231 chart with the date above, and writes
it as plotM1.gif ... plotM6.gif in the publication folder and as YYYYDDD.gif in
previous_M3000F2_plots of the forecast folder, each flushed to disk and renamed into place.
The benchmark times it beside the program on the same station folders.

    matplotlib_pillow.py [YYYY-MM-DD]
"""
import datetime
import os
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from PIL import Image  # noqa: E402

STATION = "RM041_"  # the station's measurement file names begin with this
WIDTH, HEIGHT, DPI = 286, 231, 100
LABELS = "#ffff80"


def folders():
    """The forecast, measurement and publication folders: lines 2, 4 and 6 of the settings."""
    with open("kurvo_M3000F2.ini", encoding="latin-1") as settings:
        lines = settings.read().splitlines()
    return lines[1], lines[3], lines[5]


def day_of_year(day):
    return f"{day:%Y}{day.timetuple().tm_yday:03d}"


def forecast(folder, day):
    """The month's 24 hourly values, line 3 of its forecast file, or None."""
    try:
        with open(f"{folder}{day:%m%Y}.txt", encoding="latin-1") as file:
            line = file.read().splitlines()[2]
        return [float(line[5 * hour : 5 * hour + 5]) for hour in range(24)]
    except (OSError, IndexError, ValueError):
        return None


def measurements(folder, names, day):
    """(hour, value) of every measurement file of the day: line 5, characters 16 to 20."""
    prefix = STATION + day_of_year(day)
    points = []
    for name in names:
        if not name.startswith(prefix):
            continue
        with open(folder + name, encoding="latin-1") as file:
            lines = file.read().splitlines()
        try:
            value = float(lines[4][15:20])
        except (IndexError, ValueError):
            continue
        time = name[len(prefix) : len(prefix) + 4]
        points.append((int(time[:2]) + int(time[2:]) / 60, value))
    return points


def chart(day, curve, points):
    """The day's chart as a palette image."""
    figure = plt.figure(figsize=(WIDTH / DPI, HEIGHT / DPI), dpi=DPI, facecolor="black")
    axes = figure.add_axes((35 / WIDTH, 40 / HEIGHT, 241 / WIDTH, 171 / HEIGHT), facecolor="black")
    axes.set_xlim(0, 24.1)
    axes.set_ylim(2.5, 4.51)
    axes.set_xticks([5, 10, 15, 20])
    axes.set_yticks([2.5, 3.0, 3.5, 4.0, 4.5])
    axes.grid(color=(100 / 255, 100 / 255, 100 / 255), linewidth=0.7)
    axes.tick_params(colors=LABELS, labelsize=6, length=0)
    for spine in axes.spines.values():
        spine.set_color("yellow")
    axes.set_xlabel("Time(UT)", color=LABELS, fontsize=6, labelpad=1)
    axes.set_ylabel("M factor", color=LABELS, fontsize=6, labelpad=1)
    figure.text(75 / WIDTH, 1 - 4 / HEIGHT, f"Date: {day:%d/%m/%Y}", color=LABELS, fontsize=6,
                va="top")
    if curve:
        axes.plot(range(24), curve, color="white", linewidth=0.8)
    if points:
        hours, values = zip(*points)
        axes.scatter(hours, values, s=3, color="red", linewidths=0, zorder=3)
    figure.canvas.draw()
    picture = Image.frombuffer("RGBA", figure.canvas.get_width_height(),
                               figure.canvas.buffer_rgba())
    plt.close(figure)
    return picture.convert("RGB").convert("P", palette=Image.ADAPTIVE)


def write_durably(picture, path):
    temporary = path + ".tmp"
    with open(temporary, "wb") as file:
        picture.save(file, format="GIF")
        file.flush()
        os.fsync(file.fileno())
    os.replace(temporary, path)


def main():
    last = (datetime.date.fromisoformat(sys.argv[1]) if len(sys.argv) > 1
            else datetime.datetime.now(datetime.timezone.utc).date())
    forecast_folder, data_folder, publication_folder = folders()
    names = sorted(os.listdir(data_folder))
    for number in range(1, 7):
        day = last - datetime.timedelta(days=6 - number)
        picture = chart(day, forecast(forecast_folder, day), measurements(data_folder, names, day))
        write_durably(picture, f"{publication_folder}plotM{number}.gif")
        write_durably(picture, f"{forecast_folder}previous_M3000F2_plots/{day_of_year(day)}.gif")


if __name__ == "__main__":
    main()
