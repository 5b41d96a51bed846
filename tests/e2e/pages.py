"""What the e2e tests of the room's pages share: headless Chromium of a size, and axe-core's
check of a page as it stands (VTX_AXE names axe-core's script)."""

import os

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def browser(width, height):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", f"--window-size={width},{height}"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def accessibility(driver, page):
    """axe-core's violations on the page as it stands; none is allowed."""
    with open(os.environ["VTX_AXE"]) as axe:
        driver.execute_script(axe.read())
    found = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document).then((r) => done(r.violations.map("
        "  (v) => v.id + ' (' + v.nodes.map((n) => n.target.join(' ')).join(', ') + ')')));")
    assert found == [], (page, found)
