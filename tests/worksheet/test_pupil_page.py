#!/usr/bin/env python3
"""The class's pages in a real browser. A pupil joins `kestrum --serve`, marks the
blank sheet to see the right answers, types five of them back and one a mark off,
marks again and reads the marks and the mistake's words, reloads and reads them
again, goes on to the next sheet, reloads and keeps the tally and a typed answer; the
teacher's board shows the pupil, and a name that looks like markup shows as its
characters. On a draw sheet the pupil sets needles by the keys and by a tap.
Run with the program's path: test_pupil_page.py KESTRUM."""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

KESTRUM = sys.argv.pop(1)
MARKUP_NAME = "<svg/onload=alert()>"  # 20 characters, the longest name a pupil may have


class PupilPage(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=1280,1024"):
            options.add_argument(argument)
        self.browser = webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))
        self.wait = WebDriverWait(self.browser, 20)

    # Serves a class of 2 kg dense dials (the finest mark 10 g) in grams and joins it.
    def join(self, *settings):
        self.server = subprocess.Popen(
            [KESTRUM, "--serve", "--port", "0", "--data", os.path.join(self.dir.name, "class.sqlite"),
             "--capacity", "2", "--density", "dense", "--unit", "g", "--lang", "ja", *settings],
            stdout=subprocess.PIPE, text=True)
        self.pupils = self.server.stdout.readline().split(": ", 1)[1].strip()
        self.teacher = self.server.stdout.readline().split(": ", 1)[1].strip()
        page = self.browser
        page.get(self.pupils)
        self.wait.until(lambda _: page.find_element(By.ID, "name").is_displayed())
        page.find_element(By.ID, "name").send_keys("はると")
        page.find_element(By.ID, "start").click()
        self.wait.until(lambda _: len(page.find_elements(By.CSS_SELECTOR, ".dial")) == 6)
        return page

    def tearDown(self):
        self.browser.quit()
        self.server.terminate()
        self.assertEqual(self.server.wait(10), 0)  # SIGTERM ends the class cleanly
        self.server.stdout.close()
        self.dir.cleanup()

    def texts(self, selector):
        return [element.text for element in self.browser.find_elements(By.CSS_SELECTOR, selector)]

    def test_pupil_marks_and_teacher_sees(self):
        page = self.join("--kind", "read")
        page.find_element(By.ID, "mark").click()
        self.wait.until(lambda _: len(self.texts(".result .answer")) == 6)
        right = [int(answer.removesuffix("g")) for answer in self.texts(".result .answer")]
        typed = [str(right[0] - 10 if right[0] > 10 else right[0] + 10)] + [str(grams) for grams in right[1:]]
        for box, text in zip(page.find_elements(By.CSS_SELECTOR, ".dial input"), typed):
            box.clear()
            box.send_keys(text)
        page.find_element(By.ID, "mark").click()
        self.wait.until(lambda _: "6問中5問正解" in page.find_element(By.ID, "score").text)
        self.assertEqual(self.texts(".result .wrong"), ["×"])
        self.assertEqual(self.texts(".result .right"), ["○"] * 5)
        self.assertEqual(self.texts(".result .answer"), [f"{right[0]}g"])
        self.assertEqual(self.texts(".result .words"), ["目もり1つ分ずれています。"])
        page.refresh()
        self.wait.until(lambda _: self.texts(".result .words") == ["目もり1つ分ずれています。"])
        self.assertIn("6問中5問正解", page.find_element(By.ID, "score").text)

        page.find_element(By.ID, "next").click()
        self.wait.until(lambda _: page.find_element(By.ID, "sheet-number").text == "2まい目")
        page.find_element(By.CSS_SELECTOR, ".dial input").send_keys("120")
        page.refresh()
        self.wait.until(lambda _: page.find_element(By.ID, "tally").text == "これまで 1枚 5/6問")
        self.assertEqual(page.find_element(By.CSS_SELECTOR, ".dial input").get_attribute("value"), "120")

        code = self.pupils.split("class=")[1]
        request = urllib.request.Request(self.pupils.split("/?")[0] + "/api/join", method="POST",
                                         data=json.dumps({"class": code, "name": MARKUP_NAME}).encode())
        self.assertEqual(urllib.request.urlopen(request).status, 200)
        page.get(self.teacher)
        self.wait.until(lambda _: len(page.find_elements(By.CSS_SELECTOR, "#pupils tr")) == 2)
        rows = {row[0]: row[1:] for row in (
            [cell.text for cell in tr.find_elements(By.TAG_NAME, "td")]
            for tr in page.find_elements(By.CSS_SELECTOR, "#pupils tr"))}
        # Name, sheets, right/asked, level (none: the class keeps to its settings), most frequent mistake.
        self.assertEqual(rows, {"はると": ["1", "5/6", "", "目もり1つずれ (1)"], MARKUP_NAME: ["0", "0/0", "", ""]})
        self.assertEqual(page.find_elements(By.CSS_SELECTOR, "#pupils svg"), [])
        self.assertIn("目もり1つずれ: 1", self.texts("#class-mistakes li"))

    def test_pupil_sets_needles(self):
        page = self.join("--kind", "draw")
        faces = page.find_elements(By.CSS_SELECTOR, ".face")
        # The first needle by the keys onto its weight, one finest mark a press.
        weight = int(page.find_element(By.CSS_SELECTOR, ".ask").text.split("g")[0])
        faces[0].send_keys(Keys.HOME + Keys.ARROW_RIGHT * (weight // 10))
        # The second by a tap by the rim at 3 o'clock: a quarter of the way round 2 kg.
        ActionChains(page).move_to_element_with_offset(faces[1], faces[1].size["width"] * 0.45, 0).click().perform()
        self.assertEqual(faces[1].get_attribute("aria-valuenow"), "500")
        page.find_element(By.ID, "mark").click()
        self.wait.until(lambda _: page.find_element(By.ID, "score").text != "")
        self.assertEqual(page.find_element(By.CSS_SELECTOR, ".dial .result span").text, "○")


if __name__ == "__main__":
    unittest.main()
