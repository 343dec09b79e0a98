#!/usr/bin/env python3
"""Write data/brev.dat and data/brevplus.dat, the president records that
Brevallo Game reads at start-up.

The records are kept below as plain Python data, one block per president, in
order of first term: the 41 of brev.dat, then the add-on's records (the
presidents from 2001 on, numbered 42 onwards), written to brevplus.dat.  The
facts are true as of 1 March 2025.  Running the script checks every record and
then writes each data file exactly as the program's own writer does:

  * plain ASCII, every line ended by CR LF;
  * one record line of 25 comma-joined items per record (texts in double
    quotes, numbers as bare decimal digits), item 14 being the spare text and
    item 15 the party, item 17 the president's quotation for the "Who said
    it?" category and item 19 the quotation's source;
  * then the link base on a line of its own, then each record's link on a line
    of its own, all quoted.

Usage:  python3 tools/make_brevdat.py [output-folder]
The default output folder is data/ beside this tools folder.  Running it twice
gives the same files, byte for byte.
"""

import os
import re
import sys

LINKBASE = "https://en.wikipedia.org/wiki/"

# endKind values (index into the program's end-of-term texts)
SERVED = 0        # "Served term" (also: completed the term and did not run again)
DIED = 1          # "Died in office"
ASSASSINATED = 2  # "Assassinated"
DEFEATED = 3      # "Lost try at re-election"
OTHER = 4         # any other end (no text): resignation
IN_OFFICE = 5     # "In office": the record's last term runs on past the data's date

# Every record holds these keys.  Long lists of office holders or justices are
# written with surnames only, so that each text fits an option button or a
# description bar.
#
# Cabinet lists name the holders of the office as the departments' own
# historical lists count them (the Office of the Historian for State, the
# Army's Center of Military History and the Defense Department's historical
# office for War and Defense, the Justice Department for the Attorneys
# General): those confirmed by the Senate; those appointed during a Senate
# recess, who held the office without confirmation (James M. Porter, Secretary
# of War under Tyler, 1843-1844; Lawrence Eagleburger, Secretary of State under
# G. H. W. Bush, 1992-1993); and the one holder ad interim those lists count
# (Ulysses S. Grant, Secretary of War under A. Johnson, 1867-1868).  Acting
# holders the lists do not count are left out.
FIELDS = (
    "name", "termKey", "term", "birthKey", "birth", "vice", "birthplace",
    "home", "endKind", "wife", "party", "opponent", "secState", "secWar",
    "attnGen", "court", "link", "dif",
)

PRESIDENTS = [
    # 1
    dict(name="George Washington",
         termKey=1789, term="1789-1797",
         birthKey=1732, birth="February 22, 1732",
         vice="John Adams",
         birthplace="Westmoreland County, Virginia", home="Virginia",
         endKind=SERVED, wife="Martha Washington", party="Independent",
         opponent="none",
         secState="Thomas Jefferson, Edmund Randolph, Timothy Pickering",
         secWar="Henry Knox, Timothy Pickering, James McHenry",
         attnGen="Edmund Randolph, William Bradford, Charles Lee",
         court="Jay, Rutledge, Cushing, Wilson, Blair, Iredell, Johnson, "
               "Paterson, Chase, Ellsworth",
         link="George_Washington", dif=1),
    # 2
    dict(name="John Adams",
         termKey=1797, term="1797-1801",
         birthKey=1735, birth="October 30, 1735",
         vice="Thomas Jefferson",
         birthplace="Braintree, Massachusetts", home="Massachusetts",
         endKind=DEFEATED, wife="Abigail Adams", party="Federalist",
         opponent="Thomas Jefferson",
         secState="Timothy Pickering, John Marshall",
         secWar="James McHenry, Samuel Dexter",
         attnGen="Charles Lee",
         court="Bushrod Washington, Alfred Moore, John Marshall",
         link="John_Adams", dif=2),
    # 3
    dict(name="Thomas Jefferson",
         termKey=1801, term="1801-1809",
         birthKey=1743, birth="April 13, 1743",
         vice="Aaron Burr, George Clinton",
         birthplace="Shadwell, Virginia", home="Virginia",
         endKind=SERVED, wife="Martha Jefferson",
         party="Democratic-Republican",
         opponent="John Adams, Charles C. Pinckney",
         secState="James Madison",
         secWar="Henry Dearborn",
         attnGen="Levi Lincoln, Robert Smith, John Breckinridge, "
                 "Caesar A. Rodney",
         court="William Johnson, Brockholst Livingston, Thomas Todd",
         link="Thomas_Jefferson", dif=1),
    # 4
    dict(name="James Madison",
         termKey=1809, term="1809-1817",
         birthKey=1751, birth="March 16, 1751",
         vice="George Clinton, Elbridge Gerry",
         birthplace="Port Conway, Virginia", home="Virginia",
         endKind=SERVED, wife="Dolley Madison",
         party="Democratic-Republican",
         opponent="Charles C. Pinckney, DeWitt Clinton",
         secState="Robert Smith, James Monroe",
         secWar="William Eustis, John Armstrong, James Monroe, "
                "William H. Crawford",
         attnGen="Caesar A. Rodney, William Pinkney, Richard Rush",
         court="Gabriel Duvall, Joseph Story",
         link="James_Madison", dif=2),
    # 5
    dict(name="James Monroe",
         termKey=1817, term="1817-1825",
         birthKey=1758, birth="April 28, 1758",
         vice="Daniel D. Tompkins",
         birthplace="Monroe Hall, Virginia", home="Virginia",
         endKind=SERVED, wife="Elizabeth Monroe",
         party="Democratic-Republican",
         opponent="Rufus King",
         secState="John Quincy Adams",
         secWar="John C. Calhoun",
         attnGen="Richard Rush, William Wirt",
         court="Smith Thompson",
         link="James_Monroe", dif=2),
    # 6
    dict(name="John Quincy Adams",
         termKey=1825, term="1825-1829",
         birthKey=1767, birth="July 11, 1767",
         vice="John C. Calhoun",
         birthplace="Braintree, Massachusetts", home="Massachusetts",
         endKind=DEFEATED, wife="Louisa Adams",
         party="Democratic-Republican",
         opponent="Andrew Jackson",
         secState="Henry Clay",
         secWar="James Barbour, Peter B. Porter",
         attnGen="William Wirt",
         court="Robert Trimble",
         link="John_Quincy_Adams", dif=2),
    # 7
    dict(name="Andrew Jackson",
         termKey=1829, term="1829-1837",
         birthKey=1767, birth="March 15, 1767",
         vice="John C. Calhoun, Martin Van Buren",
         birthplace="Waxhaws, South Carolina", home="Tennessee",
         endKind=SERVED, wife="Rachel Jackson", party="Democratic",
         opponent="John Quincy Adams, Henry Clay",
         secState="Martin Van Buren, Edward Livingston, Louis McLane, "
                  "John Forsyth",
         secWar="John H. Eaton, Lewis Cass",
         attnGen="John M. Berrien, Roger B. Taney, Benjamin F. Butler",
         court="John McLean, Henry Baldwin, James M. Wayne, Roger B. Taney, "
               "Philip P. Barbour, John Catron",
         link="Andrew_Jackson", dif=2),
    # 8
    dict(name="Martin Van Buren",
         termKey=1837, term="1837-1841",
         birthKey=1782, birth="December 5, 1782",
         vice="Richard M. Johnson",
         birthplace="Kinderhook, New York", home="New York",
         endKind=DEFEATED, wife="Hannah Van Buren", party="Democratic",
         opponent="William Henry Harrison",
         secState="John Forsyth",
         secWar="Joel R. Poinsett",
         attnGen="Benjamin F. Butler, Felix Grundy, Henry D. Gilpin",
         court="John McKinley, Peter V. Daniel",
         link="Martin_Van_Buren", dif=3),
    # 9
    dict(name="William Henry Harrison",
         termKey=1841, term="1841",
         birthKey=1773, birth="February 9, 1773",
         vice="John Tyler",
         birthplace="Berkeley Plantation, Virginia", home="Ohio",
         endKind=DIED, wife="Anna Harrison", party="Whig",
         opponent="Martin Van Buren",
         secState="Daniel Webster",
         secWar="John Bell",
         attnGen="John J. Crittenden",
         court="",
         link="William_Henry_Harrison", dif=3),
    # 10
    dict(name="John Tyler",
         termKey=1841, term="1841-1845",
         birthKey=1790, birth="March 29, 1790",
         vice="none",
         birthplace="Greenway Plantation, Virginia", home="Virginia",
         endKind=SERVED, wife="Letitia Tyler, Julia Tyler", party="Whig",
         opponent="none",
         secState="Daniel Webster, Abel P. Upshur, John C. Calhoun",
         secWar="John Bell, John C. Spencer, James M. Porter, "
                "William Wilkins",
         attnGen="John J. Crittenden, Hugh S. Legare, John Nelson",
         court="Samuel Nelson",
         link="John_Tyler", dif=3),
    # 11
    dict(name="James K. Polk",
         termKey=1845, term="1845-1849",
         birthKey=1795, birth="November 2, 1795",
         vice="George M. Dallas",
         birthplace="Pineville, North Carolina", home="Tennessee",
         endKind=SERVED, wife="Sarah Polk", party="Democratic",
         opponent="Henry Clay",
         secState="James Buchanan",
         secWar="William L. Marcy",
         attnGen="John Y. Mason, Nathan Clifford, Isaac Toucey",
         court="Levi Woodbury, Robert C. Grier",
         link="James_K._Polk", dif=2),
    # 12
    dict(name="Zachary Taylor",
         termKey=1849, term="1849-1850",
         birthKey=1784, birth="November 24, 1784",
         vice="Millard Fillmore",
         birthplace="Barboursville, Virginia", home="Louisiana",
         endKind=DIED, wife="Margaret Taylor", party="Whig",
         opponent="Lewis Cass",
         secState="John M. Clayton",
         secWar="George W. Crawford",
         attnGen="Reverdy Johnson",
         court="",
         link="Zachary_Taylor", dif=3),
    # 13
    dict(name="Millard Fillmore",
         termKey=1850, term="1850-1853",
         birthKey=1800, birth="January 7, 1800",
         vice="none",
         birthplace="Summerhill, New York", home="New York",
         endKind=SERVED, wife="Abigail Fillmore", party="Whig",
         opponent="none",
         secState="Daniel Webster, Edward Everett",
         secWar="Charles M. Conrad",
         attnGen="John J. Crittenden",
         court="Benjamin R. Curtis",
         link="Millard_Fillmore", dif=3),
    # 14
    dict(name="Franklin Pierce",
         termKey=1853, term="1853-1857",
         birthKey=1804, birth="November 23, 1804",
         vice="William R. King",
         birthplace="Hillsborough, New Hampshire", home="New Hampshire",
         endKind=SERVED, wife="Jane Pierce", party="Democratic",
         opponent="Winfield Scott",
         secState="William L. Marcy",
         secWar="Jefferson Davis",
         attnGen="Caleb Cushing",
         court="John A. Campbell",
         link="Franklin_Pierce", dif=3),
    # 15
    dict(name="James Buchanan",
         termKey=1857, term="1857-1861",
         birthKey=1791, birth="April 23, 1791",
         vice="John C. Breckinridge",
         birthplace="Cove Gap, Pennsylvania", home="Pennsylvania",
         endKind=SERVED, wife="none", party="Democratic",
         opponent="John C. Fremont, Millard Fillmore",
         secState="Lewis Cass, Jeremiah S. Black",
         secWar="John B. Floyd, Joseph Holt",
         attnGen="Jeremiah S. Black, Edwin M. Stanton",
         court="Nathan Clifford",
         link="James_Buchanan", dif=3),
    # 16
    dict(name="Abraham Lincoln",
         termKey=1861, term="1861-1865",
         birthKey=1809, birth="February 12, 1809",
         vice="Hannibal Hamlin, Andrew Johnson",
         birthplace="Hodgenville, Kentucky", home="Illinois",
         endKind=ASSASSINATED, wife="Mary Todd Lincoln", party="Republican",
         opponent="Stephen A. Douglas, George B. McClellan",
         secState="William H. Seward",
         secWar="Simon Cameron, Edwin M. Stanton",
         attnGen="Edward Bates, James Speed",
         court="Noah H. Swayne, Samuel F. Miller, David Davis, "
               "Stephen J. Field, Salmon P. Chase",
         link="Abraham_Lincoln", dif=1),
    # 17
    dict(name="Andrew Johnson",
         termKey=1865, term="1865-1869",
         birthKey=1808, birth="December 29, 1808",
         vice="none",
         birthplace="Raleigh, North Carolina", home="Tennessee",
         endKind=SERVED, wife="Eliza Johnson", party="Democratic",
         opponent="none",
         secState="William H. Seward",
         secWar="Edwin M. Stanton, Ulysses S. Grant, John M. Schofield",
         attnGen="James Speed, Henry Stanbery, William M. Evarts",
         court="",
         link="Andrew_Johnson", dif=2),
    # 18
    dict(name="Ulysses S. Grant",
         termKey=1869, term="1869-1877",
         birthKey=1822, birth="April 27, 1822",
         vice="Schuyler Colfax, Henry Wilson",
         birthplace="Point Pleasant, Ohio", home="Illinois",
         endKind=SERVED, wife="Julia Grant", party="Republican",
         opponent="Horatio Seymour, Horace Greeley",
         secState="Elihu B. Washburne, Hamilton Fish",
         secWar="John A. Rawlins, William W. Belknap, Alphonso Taft, "
                "J. Donald Cameron",
         attnGen="Ebenezer R. Hoar, Amos T. Akerman, George H. Williams, "
                 "Edwards Pierrepont, Alphonso Taft",
         court="William Strong, Joseph P. Bradley, Ward Hunt, "
               "Morrison Waite",
         link="Ulysses_S._Grant", dif=2),
    # 19
    dict(name="Rutherford B. Hayes",
         termKey=1877, term="1877-1881",
         birthKey=1822, birth="October 4, 1822",
         vice="William A. Wheeler",
         birthplace="Delaware, Ohio", home="Ohio",
         endKind=SERVED, wife="Lucy Hayes", party="Republican",
         opponent="Samuel J. Tilden",
         secState="William M. Evarts",
         secWar="George W. McCrary, Alexander Ramsey",
         attnGen="Charles Devens",
         court="John Marshall Harlan, William B. Woods",
         link="Rutherford_B._Hayes", dif=3),
    # 20
    dict(name="James A. Garfield",
         termKey=1881, term="1881",
         birthKey=1831, birth="November 19, 1831",
         vice="Chester A. Arthur",
         birthplace="Moreland Hills, Ohio", home="Ohio",
         endKind=ASSASSINATED, wife="Lucretia Garfield", party="Republican",
         opponent="Winfield S. Hancock",
         secState="James G. Blaine",
         secWar="Robert Todd Lincoln",
         attnGen="Wayne MacVeagh",
         court="Stanley Matthews",
         link="James_A._Garfield", dif=3),
    # 21
    dict(name="Chester A. Arthur",
         termKey=1881, term="1881-1885",
         birthKey=1829, birth="October 5, 1829",
         vice="none",
         birthplace="Fairfield, Vermont", home="New York",
         endKind=SERVED, wife="Ellen Arthur", party="Republican",
         opponent="none",
         secState="James G. Blaine, Frederick T. Frelinghuysen",
         secWar="Robert Todd Lincoln",
         attnGen="Wayne MacVeagh, Benjamin H. Brewster",
         court="Horace Gray, Samuel Blatchford",
         link="Chester_A._Arthur", dif=3),
    # 22: both of Cleveland's terms are in this one record.  The record's
    # presidency ends in 1897 with the second term served out (he did not run
    # in 1896), so it counts as a served term.
    dict(name="Grover Cleveland",
         termKey=1885, term="1885-1889, 1893-1897",
         birthKey=1837, birth="March 18, 1837",
         vice="Thomas A. Hendricks, Adlai E. Stevenson",
         birthplace="Caldwell, New Jersey", home="New York",
         endKind=SERVED, wife="Frances Cleveland", party="Democratic",
         opponent="James G. Blaine, Benjamin Harrison",
         secState="Thomas F. Bayard, Walter Q. Gresham, Richard Olney",
         secWar="William C. Endicott, Daniel S. Lamont",
         attnGen="Augustus H. Garland, Richard Olney, Judson Harmon",
         court="L. Q. C. Lamar, Melville W. Fuller, Edward D. White, "
               "Rufus W. Peckham",
         link="Grover_Cleveland", dif=2),
    # 23
    dict(name="Benjamin Harrison",
         termKey=1889, term="1889-1893",
         birthKey=1833, birth="August 20, 1833",
         vice="Levi P. Morton",
         birthplace="North Bend, Ohio", home="Indiana",
         endKind=DEFEATED, wife="Caroline Harrison", party="Republican",
         opponent="Grover Cleveland",
         secState="James G. Blaine, John W. Foster",
         secWar="Redfield Proctor, Stephen B. Elkins",
         attnGen="William H. H. Miller",
         court="David J. Brewer, Henry B. Brown, George Shiras Jr., "
               "Howell E. Jackson",
         link="Benjamin_Harrison", dif=3),
    # 24
    dict(name="William McKinley",
         termKey=1897, term="1897-1901",
         birthKey=1843, birth="January 29, 1843",
         vice="Garret A. Hobart, Theodore Roosevelt",
         birthplace="Niles, Ohio", home="Ohio",
         endKind=ASSASSINATED, wife="Ida McKinley", party="Republican",
         opponent="William Jennings Bryan",
         secState="John Sherman, William R. Day, John Hay",
         secWar="Russell A. Alger, Elihu Root",
         attnGen="Joseph McKenna, John W. Griggs, Philander C. Knox",
         court="Joseph McKenna",
         link="William_McKinley", dif=2),
    # 25
    dict(name="Theodore Roosevelt",
         termKey=1901, term="1901-1909",
         birthKey=1858, birth="October 27, 1858",
         vice="Charles W. Fairbanks",
         birthplace="New York City, New York", home="New York",
         endKind=SERVED, wife="Edith Roosevelt", party="Republican",
         opponent="Alton B. Parker",
         secState="John Hay, Elihu Root, Robert Bacon",
         secWar="Elihu Root, William H. Taft, Luke E. Wright",
         attnGen="Philander C. Knox, William H. Moody, Charles J. Bonaparte",
         court="Oliver Wendell Holmes, William R. Day, William H. Moody",
         link="Theodore_Roosevelt", dif=1),
    # 26
    dict(name="William Howard Taft",
         termKey=1909, term="1909-1913",
         birthKey=1857, birth="September 15, 1857",
         vice="James S. Sherman",
         birthplace="Cincinnati, Ohio", home="Ohio",
         endKind=DEFEATED, wife="Helen Taft", party="Republican",
         opponent="William Jennings Bryan, Woodrow Wilson",
         secState="Philander C. Knox",
         secWar="Jacob M. Dickinson, Henry L. Stimson",
         attnGen="George W. Wickersham",
         court="Lurton, Hughes, White, Van Devanter, Lamar, Pitney",
         link="William_Howard_Taft", dif=2),
    # 27
    dict(name="Woodrow Wilson",
         termKey=1913, term="1913-1921",
         birthKey=1856, birth="December 28, 1856",
         vice="Thomas R. Marshall",
         birthplace="Staunton, Virginia", home="New Jersey",
         endKind=SERVED, wife="Ellen Wilson, Edith Wilson", party="Democratic",
         opponent="Theodore Roosevelt, William H. Taft, Charles E. Hughes",
         secState="William J. Bryan, Robert Lansing, Bainbridge Colby",
         secWar="Lindley M. Garrison, Newton D. Baker",
         attnGen="James C. McReynolds, Thomas W. Gregory, A. Mitchell Palmer",
         court="James C. McReynolds, Louis D. Brandeis, John H. Clarke",
         link="Woodrow_Wilson", dif=2),
    # 28
    dict(name="Warren G. Harding",
         termKey=1921, term="1921-1923",
         birthKey=1865, birth="November 2, 1865",
         vice="Calvin Coolidge",
         birthplace="Blooming Grove, Ohio", home="Ohio",
         endKind=DIED, wife="Florence Harding", party="Republican",
         opponent="James M. Cox",
         secState="Charles Evans Hughes",
         secWar="John W. Weeks",
         attnGen="Harry M. Daugherty",
         court="William H. Taft, George Sutherland, Pierce Butler, "
               "Edward T. Sanford",
         link="Warren_G._Harding", dif=3),
    # 29
    dict(name="Calvin Coolidge",
         termKey=1923, term="1923-1929",
         birthKey=1872, birth="July 4, 1872",
         vice="Charles G. Dawes",
         birthplace="Plymouth Notch, Vermont", home="Massachusetts",
         endKind=SERVED, wife="Grace Coolidge", party="Republican",
         opponent="John W. Davis",
         secState="Charles Evans Hughes, Frank B. Kellogg",
         secWar="John W. Weeks, Dwight F. Davis",
         attnGen="Harry M. Daugherty, Harlan F. Stone, John G. Sargent",
         court="Harlan F. Stone",
         link="Calvin_Coolidge", dif=2),
    # 30
    dict(name="Herbert Hoover",
         termKey=1929, term="1929-1933",
         birthKey=1874, birth="August 10, 1874",
         vice="Charles Curtis",
         birthplace="West Branch, Iowa", home="California",
         endKind=DEFEATED, wife="Lou Henry Hoover", party="Republican",
         opponent="Al Smith, Franklin D. Roosevelt",
         secState="Henry L. Stimson",
         secWar="James W. Good, Patrick J. Hurley",
         attnGen="William D. Mitchell",
         court="Charles Evans Hughes, Owen J. Roberts, Benjamin N. Cardozo",
         link="Herbert_Hoover", dif=2),
    # 31
    dict(name="Franklin D. Roosevelt",
         termKey=1933, term="1933-1945",
         birthKey=1882, birth="January 30, 1882",
         vice="John N. Garner, Henry A. Wallace, Harry S. Truman",
         birthplace="Hyde Park, New York", home="New York",
         endKind=DIED, wife="Eleanor Roosevelt", party="Democratic",
         opponent="Herbert Hoover, Alf Landon, Wendell Willkie, "
                  "Thomas E. Dewey",
         secState="Cordell Hull, Edward R. Stettinius Jr.",
         secWar="George H. Dern, Harry H. Woodring, Henry L. Stimson",
         attnGen="Homer S. Cummings, Frank Murphy, Robert H. Jackson, "
                 "Francis Biddle",
         court="Black, Reed, Frankfurter, Douglas, Murphy, Byrnes, Stone, "
               "Jackson, Rutledge",
         link="Franklin_D._Roosevelt", dif=1),
    # 32
    dict(name="Harry S. Truman",
         termKey=1945, term="1945-1953",
         birthKey=1884, birth="May 8, 1884",
         vice="Alben W. Barkley",
         birthplace="Lamar, Missouri", home="Missouri",
         endKind=SERVED, wife="Bess Truman", party="Democratic",
         opponent="Thomas E. Dewey",
         secState="Edward R. Stettinius Jr., James F. Byrnes, "
                  "George C. Marshall, Dean Acheson",
         secWar="Stimson, Patterson, Royall, Forrestal, Johnson, Marshall, "
                "Lovett",
         attnGen="Francis Biddle, Tom C. Clark, J. Howard McGrath, "
                 "James P. McGranery",
         court="Harold H. Burton, Fred M. Vinson, Tom C. Clark, "
               "Sherman Minton",
         link="Harry_S._Truman", dif=1),
    # 33
    dict(name="Dwight D. Eisenhower",
         termKey=1953, term="1953-1961",
         birthKey=1890, birth="October 14, 1890",
         vice="Richard Nixon",
         birthplace="Denison, Texas", home="Kansas",
         endKind=SERVED, wife="Mamie Eisenhower", party="Republican",
         opponent="Adlai Stevenson II",
         secState="John Foster Dulles, Christian Herter",
         secWar="Charles E. Wilson, Neil H. McElroy, Thomas S. Gates Jr.",
         attnGen="Herbert Brownell Jr., William P. Rogers",
         court="Earl Warren, John M. Harlan II, William J. Brennan, "
               "Charles E. Whittaker, Potter Stewart",
         link="Dwight_D._Eisenhower", dif=1),
    # 34
    dict(name="John F. Kennedy",
         termKey=1961, term="1961-1963",
         birthKey=1917, birth="May 29, 1917",
         vice="Lyndon B. Johnson",
         birthplace="Brookline, Massachusetts", home="Massachusetts",
         endKind=ASSASSINATED, wife="Jacqueline Kennedy", party="Democratic",
         opponent="Richard Nixon",
         secState="Dean Rusk",
         secWar="Robert McNamara",
         attnGen="Robert F. Kennedy",
         court="Byron White, Arthur Goldberg",
         link="John_F._Kennedy", dif=1),
    # 35
    dict(name="Lyndon B. Johnson",
         termKey=1963, term="1963-1969",
         birthKey=1908, birth="August 27, 1908",
         vice="Hubert Humphrey",
         birthplace="Stonewall, Texas", home="Texas",
         endKind=SERVED, wife="Lady Bird Johnson", party="Democratic",
         opponent="Barry Goldwater",
         secState="Dean Rusk",
         secWar="Robert McNamara, Clark Clifford",
         attnGen="Robert F. Kennedy, Nicholas Katzenbach, Ramsey Clark",
         court="Abe Fortas, Thurgood Marshall",
         link="Lyndon_B._Johnson", dif=1),
    # 36
    dict(name="Richard Nixon",
         termKey=1969, term="1969-1974",
         birthKey=1913, birth="January 9, 1913",
         vice="Spiro Agnew, Gerald Ford",
         birthplace="Yorba Linda, California", home="California",
         endKind=OTHER, wife="Pat Nixon", party="Republican",
         opponent="Hubert Humphrey, George McGovern",
         secState="William P. Rogers, Henry Kissinger",
         secWar="Melvin Laird, Elliot Richardson, James Schlesinger",
         attnGen="John N. Mitchell, Richard Kleindienst, Elliot Richardson, "
                 "William B. Saxbe",
         court="Warren E. Burger, Harry Blackmun, Lewis F. Powell Jr., "
               "William Rehnquist",
         link="Richard_Nixon", dif=1),
    # 37: never elected to the office, but ran for it once (1976).
    dict(name="Gerald Ford",
         termKey=1974, term="1974-1977",
         birthKey=1913, birth="July 14, 1913",
         vice="Nelson Rockefeller",
         birthplace="Omaha, Nebraska", home="Michigan",
         endKind=DEFEATED, wife="Betty Ford", party="Republican",
         opponent="Jimmy Carter",
         secState="Henry Kissinger",
         secWar="James Schlesinger, Donald Rumsfeld",
         attnGen="William B. Saxbe, Edward H. Levi",
         court="John Paul Stevens",
         link="Gerald_Ford", dif=2),
    # 38
    dict(name="Jimmy Carter",
         termKey=1977, term="1977-1981",
         birthKey=1924, birth="October 1, 1924",
         vice="Walter Mondale",
         birthplace="Plains, Georgia", home="Georgia",
         endKind=DEFEATED, wife="Rosalynn Carter", party="Democratic",
         opponent="Gerald Ford, Ronald Reagan",
         secState="Cyrus Vance, Edmund Muskie",
         secWar="Harold Brown",
         attnGen="Griffin Bell, Benjamin Civiletti",
         court="",
         link="Jimmy_Carter", dif=1),
    # 39
    dict(name="Ronald Reagan",
         termKey=1981, term="1981-1989",
         birthKey=1911, birth="February 6, 1911",
         vice="George H. W. Bush",
         birthplace="Tampico, Illinois", home="California",
         endKind=SERVED, wife="Nancy Reagan", party="Republican",
         opponent="Jimmy Carter, Walter Mondale",
         secState="Alexander Haig, George P. Shultz",
         secWar="Caspar Weinberger, Frank Carlucci",
         attnGen="William French Smith, Edwin Meese, Dick Thornburgh",
         court="Sandra Day O'Connor, William Rehnquist, Antonin Scalia, "
               "Anthony Kennedy",
         link="Ronald_Reagan", dif=1),
    # 40
    dict(name="George H. W. Bush",
         termKey=1989, term="1989-1993",
         birthKey=1924, birth="June 12, 1924",
         vice="Dan Quayle",
         birthplace="Milton, Massachusetts", home="Texas",
         endKind=DEFEATED, wife="Barbara Bush", party="Republican",
         opponent="Michael Dukakis, Bill Clinton",
         secState="James Baker, Lawrence Eagleburger",
         secWar="Dick Cheney",
         attnGen="Dick Thornburgh, William Barr",
         court="David Souter, Clarence Thomas",
         link="George_H._W._Bush", dif=1),
    # 41
    dict(name="Bill Clinton",
         termKey=1993, term="1993-2001",
         birthKey=1946, birth="August 19, 1946",
         vice="Al Gore",
         birthplace="Hope, Arkansas", home="Arkansas",
         endKind=SERVED, wife="Hillary Clinton", party="Democratic",
         opponent="George H. W. Bush, Bob Dole",
         secState="Warren Christopher, Madeleine Albright",
         secWar="Les Aspin, William Perry, William Cohen",
         attnGen="Janet Reno",
         court="Ruth Bader Ginsburg, Stephen Breyer",
         link="Bill_Clinton", dif=1),
]

# The records added after the 41 above, written to data/brevplus.dat beside
# data/brev.dat: the presidents from 2001 on, true as of 1 March 2025.  Each
# fact was checked against two independent public sources, named above each
# record:
#   WH   the White House's biography of the president (whitehouse.gov);
#   MC   the Miller Center, University of Virginia, president's reference page;
#   OH   Office of the Historian, Department of State, list of Secretaries
#        of State (history.state.gov);
#   DoD  Department of Defense historical office, list of Secretaries of
#        Defense (history.defense.gov);
#   DoJ  Department of Justice, list of Attorneys General (justice.gov);
#   SC   Supreme Court of the United States, Justices 1789 to present
#        (supremecourt.gov);
#   SEN  U.S. Senate, cabinet and Supreme Court nominations confirmed
#        (senate.gov);
#   NA   National Archives, Electoral College results (archives.gov).
# Cabinet lists follow the rule above the 41 records: here every holder was
# confirmed by the Senate, and acting holders are left out.
ADDON = [
    # 42: WH, MC (birth, family, home state); OH, DoD, DoJ, SEN (cabinet);
    # SC, SEN (justices); NA, MC (elections of 2000 and 2004).
    dict(name="George W. Bush",
         termKey=2001, term="2001-2009",
         birthKey=1946, birth="July 6, 1946",
         vice="Dick Cheney",
         birthplace="New Haven, Connecticut", home="Texas",
         endKind=SERVED, wife="Laura Bush", party="Republican",
         opponent="Al Gore, John Kerry",
         secState="Colin Powell, Condoleezza Rice",
         secWar="Donald Rumsfeld, Robert Gates",
         attnGen="John Ashcroft, Alberto Gonzales, Michael Mukasey",
         court="John Roberts, Samuel Alito",
         link="George_W._Bush", dif=1),
    # 43: WH, MC (birth, family, home state); OH, DoD, DoJ, SEN (cabinet;
    # Gates stayed on from the previous cabinet); SC, SEN (justices); NA, MC
    # (elections of 2008 and 2012).
    dict(name="Barack Obama",
         termKey=2009, term="2009-2017",
         birthKey=1961, birth="August 4, 1961",
         vice="Joe Biden",
         birthplace="Honolulu, Hawaii", home="Illinois",
         endKind=SERVED, wife="Michelle Obama", party="Democratic",
         opponent="John McCain, Mitt Romney",
         secState="Hillary Clinton, John Kerry",
         secWar="Robert Gates, Leon Panetta, Chuck Hagel, Ash Carter",
         attnGen="Eric Holder, Loretta Lynch",
         court="Sonia Sotomayor, Elena Kagan",
         link="Barack_Obama", dif=1),
    # 44: both of Trump's terms are in this one record, written like
    # Cleveland's; the second term runs on past 1 March 2025, so the record's
    # end of term is "in office".  The home state is Florida, where he has
    # lived since 2019 and from where he ran in 2020 and 2024 and holds the
    # office on 1 March 2025 (in 2016 he ran from New York).  The opponents
    # are the three he faced in 2016, 2020 (lost) and 2024.  Acting holders
    # left out: Whitaker (Attorney General); Shanahan, Spencer, Miller and
    # Salesses (Defense); McHenry (Attorney General, 2025).
    # WH, MC (birth, family, home state); OH, DoD, DoJ, SEN (cabinet,
    # including Rubio, Hegseth and Bondi, confirmed in January and February
    # 2025); SC, SEN (justices); NA, MC (elections of 2016, 2020 and 2024).
    dict(name="Donald Trump",
         termKey=2017, term="2017-2021, 2025-",
         birthKey=1946, birth="June 14, 1946",
         vice="Mike Pence, JD Vance",
         birthplace="Queens, New York", home="Florida",
         endKind=IN_OFFICE, wife="Melania Trump", party="Republican",
         opponent="Hillary Clinton, Joe Biden, Kamala Harris",
         secState="Rex Tillerson, Mike Pompeo, Marco Rubio",
         secWar="Jim Mattis, Mark Esper, Pete Hegseth",
         attnGen="Jeff Sessions, William Barr, Pam Bondi",
         court="Neil Gorsuch, Brett Kavanaugh, Amy Coney Barrett",
         link="Donald_Trump", dif=1),
    # 45: served out his term and did not run again (he withdrew from the
    # 2024 race in July 2024), which counts as a served term, as for Lyndon
    # B. Johnson.  WH, MC (birth, family, home state); OH, DoD, DoJ, SEN
    # (cabinet); SC, SEN (justice); NA, MC (election of 2020).
    dict(name="Joe Biden",
         termKey=2021, term="2021-2025",
         birthKey=1942, birth="November 20, 1942",
         vice="Kamala Harris",
         birthplace="Scranton, Pennsylvania", home="Delaware",
         endKind=SERVED, wife="Jill Biden", party="Democratic",
         opponent="Donald Trump",
         secState="Antony Blinken",
         secWar="Lloyd Austin",
         attnGen="Merrick Garland",
         court="Ketanji Brown Jackson",
         link="Joe_Biden", dif=1),
]

# The "Who said it?" category: one famous quotation per president, stored in
# the record's spare text (item 17), with its source -- the document, speech
# or letter and its date -- in the record's spare4 text (item 19).  Each is
# the president's own words, written in plain ASCII (a dash as " -- "); a
# quotation that starts inside a sentence starts with a capital, a sentence
# cut short ends in "...", and words left out inside one are marked "...".  Every record has one; a line that is
# widely misattributed or whose wording could not be checked to the letter is
# never used.  Where a wording was checked for this list, the texts it was
# checked against are named beside it.
MAX_QUOTE = 200
QUOTATIONS = {
    "George Washington": (
        "'Tis our true policy to steer clear of permanent alliances with any "
        "portion of the foreign world.",
        "Farewell Address, September 19, 1796"),
    # "passions", plural: the argument's text in the Legal Papers of John
    # Adams and on the National Archives' Founders Online, where the argument
    # is dated 3-4 December 1770.
    "John Adams": (
        "Facts are stubborn things; and whatever may be our wishes, our "
        "inclinations, or the dictates of our passions, they cannot alter the "
        "state of facts and evidence.",
        "Argument in defense of the soldiers, Boston Massacre trials, "
        "December 3-4, 1770"),
    "Thomas Jefferson": (
        "We have called by different names brethren of the same principle. "
        "We are all Republicans, we are all Federalists.",
        "First Inaugural Address, March 4, 1801"),
    "James Madison": (
        "A popular Government, without popular information, or the means of "
        "acquiring it, is but a Prologue to a Farce or a Tragedy; or, perhaps "
        "both.",
        "Letter to W. T. Barry, August 4, 1822"),
    "James Monroe": (
        "The American continents, by the free and independent condition which "
        "they have assumed and maintain, are henceforth not to be considered "
        "as subjects for future colonization by any European powers.",
        "Seventh Annual Message to Congress, December 2, 1823"),
    "John Quincy Adams": (
        "She goes not abroad, in search of monsters to destroy. She is the "
        "well-wisher to the freedom and independence of all. She is the "
        "champion and vindicator only of her own.",
        "Address on Independence Day, Washington, July 4, 1821"),
    "Andrew Jackson": (
        "It is to be regretted that the rich and powerful too often bend the "
        "acts of government to their selfish purposes.",
        "Veto message on the Bank of the United States, July 10, 1832"),
    "Martin Van Buren": (
        "All communities are apt to look to government for too much.",
        "Special session message to Congress, September 4, 1837"),
    # Richardson, Messages and Papers of the Presidents, vol. 4; the Library
    # of Congress's Respectfully Quoted, which also gives the address.
    "William Henry Harrison": (
        "The only legitimate right to govern is an express grant of power "
        "from the governed.",
        "Inaugural Address, March 4, 1841"),
    # Richardson, vol. 4; the address as printed in the 1840s collections of
    # the presidents' addresses and messages.  Tyler was the first to take
    # the office on a president's death.
    "John Tyler": (
        "For the first time in our history the person elected to the "
        "Vice-Presidency of the United States... has had devolved upon him "
        "the Presidential office.",
        "Address upon assuming the office of President, April 9, 1841"),
    "James K. Polk": (
        "We must ever maintain the principle that the people of this continent "
        "alone have the right to decide their own destiny.",
        "First Annual Message to Congress, December 2, 1845"),
    # Richardson, vol. 5; the Project Gutenberg text of Taylor's message.
    "Zachary Taylor": (
        "For more than half a century, during which kingdoms and empires have "
        "fallen, this Union has stood unshaken.",
        "Annual Message to Congress, December 4, 1849"),
    # The line is in Fillmore's second annual message, of 1851, not his first.
    "Millard Fillmore": (
        "Our true mission is not to propagate our opinions or impose upon "
        "other countries our form of government by artifice or force, but to "
        "teach by example...",
        "Second Annual Message to Congress, December 2, 1851"),
    "Franklin Pierce": (
        "You have summoned me in my weakness; you must sustain me by your "
        "strength.",
        "Inaugural Address, March 4, 1853"),
    "James Buchanan": (
        "The long-continued and intemperate interference of the Northern "
        "people with the question of slavery in the Southern States has at "
        "length produced its natural effects.",
        "Fourth Annual Message to Congress, December 3, 1860"),
    "Abraham Lincoln": (
        "Four score and seven years ago our fathers brought forth on this "
        "continent, a new nation, conceived in Liberty, and dedicated to the "
        "proposition that all men are created equal.",
        "Gettysburg Address, November 19, 1863"),
    # Richardson, vol. 6; the Miller Center's text of the message.
    "Andrew Johnson": (
        "The Union of the United States of America was intended by its authors "
        "to last as long as the States themselves shall last.",
        "First Annual Message to Congress, December 4, 1865"),
    "Ulysses S. Grant": (
        "Let us have peace.",
        "Letter accepting the Republican nomination, May 29, 1868"),
    # Richardson, vol. 7; S. A. Bent, Familiar Short Sayings of Great Men
    # (1887), quoting the address.
    "Rutherford B. Hayes": (
        "He should strive to be always mindful of the fact that he serves his "
        "party best who serves the country best.",
        "Inaugural Address, March 5, 1877"),
    "James A. Garfield": (
        "Next in importance to freedom and justice is popular education, "
        "without which neither freedom nor justice can be permanently "
        "maintained.",
        "Letter accepting the Republican nomination, July 12, 1880"),
    # Richardson, vol. 8; the address as printed in The Bay State Monthly,
    # May 1884, and in The Presidents of the United States, 1789-1914.
    "Chester A. Arthur": (
        "Men may die, but the fabrics of our free institutions remain "
        "unshaken.",
        "Inaugural Address, September 22, 1881"),
    "Grover Cleveland": (
        "The lesson should be constantly enforced that though the people "
        "support the Government the Government should not support the people.",
        "Veto of the Texas Seed Bill, February 16, 1887"),
    # Richardson, vol. 9; the Miller Center's text of the address.
    "Benjamin Harrison": (
        "No other people have a government more worthy of their respect and "
        "love or a land so magnificent in extent, so pleasant to look upon, "
        "and so full of generous suggestion to enterprise and labor.",
        "Inaugural Address, March 4, 1889"),
    "William McKinley": (
        "Isolation is no longer possible or desirable.",
        "Speech at the Pan-American Exposition, Buffalo, September 5, 1901"),
    "Theodore Roosevelt": (
        "I have always been fond of the West African proverb: Speak softly and "
        "carry a big stick; you will go far.",
        "Letter to Henry L. Sprague, January 26, 1900"),
    "William Howard Taft": (
        "This policy has been characterized as substituting dollars for "
        "bullets.",
        "Fourth Annual Message to Congress, December 3, 1912"),
    "Woodrow Wilson": (
        "The world must be made safe for democracy.",
        "Address to Congress asking for a declaration of war, April 2, 1917"),
    "Warren G. Harding": (
        "America's present need is not heroics, but healing; not nostrums, but "
        "normalcy; not revolution, but restoration.",
        "Address to the Home Market Club, Boston, May 14, 1920"),
    "Calvin Coolidge": (
        "After all, the chief business of the American people is business.",
        "Address to the American Society of Newspaper Editors, "
        "January 17, 1925"),
    "Herbert Hoover": (
        "We in America today are nearer to the final triumph over poverty than "
        "ever before in the history of any land.",
        "Speech accepting the Republican nomination, August 11, 1928"),
    "Franklin D. Roosevelt": (
        "So, first of all, let me assert my firm belief that the only thing we "
        "have to fear is fear itself.",
        "First Inaugural Address, March 4, 1933"),
    "Harry S. Truman": (
        "I believe that it must be the policy of the United States to support "
        "free peoples who are resisting attempted subjugation by armed "
        "minorities or by outside pressures.",
        "Address to Congress (the Truman Doctrine), March 12, 1947"),
    "Dwight D. Eisenhower": (
        "In the councils of government, we must guard against the acquisition "
        "of unwarranted influence, whether sought or unsought, by the "
        "military-industrial complex.",
        "Farewell Address, January 17, 1961"),
    "John F. Kennedy": (
        "And so, my fellow Americans: ask not what your country can do for you "
        "-- ask what you can do for your country.",
        "Inaugural Address, January 20, 1961"),
    "Lyndon B. Johnson": (
        "This administration today, here and now, declares unconditional war "
        "on poverty in America.",
        "State of the Union Address, January 8, 1964"),
    "Richard Nixon": (
        "I have never been a quitter. To leave office before my term is "
        "completed is abhorrent to every instinct in my body.",
        "Address announcing his resignation, August 8, 1974"),
    "Gerald Ford": (
        "My fellow Americans, our long national nightmare is over.",
        "Remarks on taking the oath of office, August 9, 1974"),
    "Jimmy Carter": (
        "It is a crisis of confidence. It is a crisis that strikes at the very "
        "heart and soul and spirit of our national will.",
        "Address to the nation on energy and national goals, July 15, 1979"),
    "Ronald Reagan": (
        "Mr. Gorbachev, open this gate! Mr. Gorbachev, tear down this wall!",
        "Speech at the Brandenburg Gate, Berlin, June 12, 1987"),
    "George H. W. Bush": (
        "Read my lips: no new taxes.",
        "Speech accepting the Republican nomination, August 18, 1988"),
    "Bill Clinton": (
        "There is nothing wrong with America that cannot be cured by what is "
        "right with America.",
        "First Inaugural Address, January 20, 1993"),
    # The White House's transcript (georgewbush-whitehouse.archives.gov);
    # the Voice of America's report of the address, September 21, 2001.
    "George W. Bush": (
        "Every nation, in every region, now has a decision to make. Either you "
        "are with us, or you are with the terrorists.",
        "Address to a Joint Session of Congress, September 20, 2001"),
    # The White House's transcript (obamawhitehouse.archives.gov); the
    # American Presidency Project's text of the address.
    "Barack Obama": (
        "Starting today, we must pick ourselves up, dust ourselves off, and "
        "begin again the work of remaking America.",
        "First Inaugural Address, January 20, 2009"),
    # The White House's transcript (trumpwhitehouse.archives.gov); CNN's
    # transcript of the broadcast address.
    "Donald Trump": (
        "This American carnage stops right here and stops right now.",
        "First Inaugural Address, January 20, 2017"),
    # The White House's transcript (bidenwhitehouse.archives.gov); the
    # American Presidency Project's text of the address.
    "Joe Biden": (
        "We have learned again that democracy is precious. Democracy is "
        "fragile. And at this hour, my friends, democracy has prevailed.",
        "Inaugural Address, January 20, 2021"),
}

NRECORDS = 41           # records in brev.dat; the add-on's follow them
MAX_TEXT = 120          # longest text that still reads well on a button or bar
NUMBER_FIELDS = ("termKey", "birthKey", "endKind", "dif")
NAME_RE = re.compile(r"^[A-Za-z. ]+$")
YEAR_RE = re.compile(r"(\d{4})$")
CRLF = "\r\n"


class DataError(Exception):
    pass


def image_name(i):
    """Portrait file name of record i (1-based); image number 24 is never used."""
    return "brev%d.gif" % (i if i <= 23 else i + 1)


def check_text(where, value):
    if not isinstance(value, str):
        raise DataError("%s: not a text: %r" % (where, value))
    if '"' in value:
        raise DataError("%s: contains a double quote: %r" % (where, value))
    for ch in value:
        if not (32 <= ord(ch) <= 126):
            raise DataError("%s: character %r is not printable ASCII" % (where, ch))


def check_number(where, value):
    if not isinstance(value, int) or isinstance(value, bool):
        raise DataError("%s: not a whole number: %r" % (where, value))
    if not -32768 <= value <= 32767:
        raise DataError("%s: %d does not fit 16 bits" % (where, value))


def validate(records, addon):
    """Checks the records of brev.dat, then the add-on's after them, as one list."""
    if len(records) != NRECORDS:
        raise DataError("expected %d records, found %d" % (NRECORDS, len(records)))
    if not addon:
        raise DataError("the add-on holds no records")
    check_text("linkbase", LINKBASE)
    records = records + addon
    names = set()
    links = set()
    prev_key = None
    for i, rec in enumerate(records, start=1):
        who = "record %d (%s)" % (i, rec.get("name", "?"))
        missing = [f for f in FIELDS if f not in rec]
        extra = [f for f in rec if f not in FIELDS]
        if missing or extra:
            raise DataError("%s: missing fields %s, unknown fields %s"
                            % (who, missing, extra))
        for f in FIELDS:
            where = "%s.%s" % (who, f)
            if f in NUMBER_FIELDS:
                check_number(where, rec[f])
            else:
                check_text(where, rec[f])
                if len(rec[f]) > MAX_TEXT:
                    raise DataError("%s: %d characters, keep it under %d"
                                    % (where, len(rec[f]), MAX_TEXT))
        name = rec["name"]
        if not NAME_RE.match(name):
            raise DataError("%s: a name may hold only letters, spaces and "
                            "full stops" % who)
        if name in names:
            raise DataError("%s: name used twice" % who)
        names.add(name)
        if not rec["link"] or " " in rec["link"] or rec["link"] in links:
            raise DataError("%s: link missing, holds a space or is used twice"
                            % who)
        links.add(rec["link"])
        # Order of presidency: termKey rises strictly from record to record.
        # The one allowed exception is a successor who took office in the same
        # year because his predecessor died in office (1841: Harrison and
        # Tyler; 1881: Garfield and Arthur); the key stays the true year.
        key = rec["termKey"]
        if prev_key is not None and key <= prev_key:
            same_year_succession = (
                key == prev_key
                and records[i - 2]["endKind"] in (DIED, ASSASSINATED)
                and records[i - 2]["term"] == str(key))
            if not same_year_succession:
                raise DataError("%s: termKey %d does not follow %d"
                                % (who, key, prev_key))
        prev_key = key
        if not rec["term"].startswith(str(key)):
            raise DataError("%s: term %r does not start with termKey %d"
                            % (who, rec["term"], key))
        m = YEAR_RE.search(rec["birth"])
        if not m or int(m.group(1)) != rec["birthKey"]:
            raise DataError("%s: birth %r does not end with birthKey %d"
                            % (who, rec["birth"], rec["birthKey"]))
        if not 0 <= rec["endKind"] <= IN_OFFICE:
            raise DataError("%s: endKind %d outside 0..%d"
                            % (who, rec["endKind"], IN_OFFICE))
        # A term still running is written with an open end ("2025-"), and
        # only such a term is "in office".
        if (rec["endKind"] == IN_OFFICE) != rec["term"].endswith("-"):
            raise DataError("%s: term %r and end of term %d disagree"
                            % (who, rec["term"], rec["endKind"]))
        if not 1 <= rec["dif"] <= 3:
            raise DataError("%s: dif %d outside 1..3" % (who, rec["dif"]))
        for f in FIELDS:
            if f not in NUMBER_FIELDS and f != "court" and not rec[f].strip():
                raise DataError("%s.%s: empty text" % (who, f))
        if name not in QUOTATIONS:
            raise DataError("%s: no quotation" % who)
    for name, quotation in QUOTATIONS.items():
        where = "quotation of %s" % name
        if name not in names:
            raise DataError("%s: no record of that name" % where)
        if not isinstance(quotation, tuple) or len(quotation) != 2:
            raise DataError("%s: give the text and its source" % where)
        text, source = quotation
        check_text(where, text)
        check_text("source of " + where, source)
        if not text.strip() or not source.strip():
            raise DataError("%s: text or source missing" % where)
        if len(text) > MAX_QUOTE:
            raise DataError("%s: %d characters, keep it to %d"
                            % (where, len(text), MAX_QUOTE))
        if len(source) > MAX_TEXT:
            raise DataError("source of %s: %d characters, keep it under %d"
                            % (where, len(source), MAX_TEXT))


def quoted(text):
    return '"' + text + '"'


def record_line(i, rec):
    """The 25 items of record i in file order, joined as the program writes them."""
    items = [
        quoted(rec["name"]),        # 1 name
        quoted(""),                 # 2 spare1
        quoted(image_name(i)),      # 3 image
        str(rec["termKey"]),        # 4 termKey
        quoted(rec["term"]),        # 5 term
        str(rec["birthKey"]),       # 6 birthKey
        quoted(rec["birth"]),       # 7 birth
        "0",                        # 8 spareNum1
        quoted(rec["vice"]),        # 9 vice
        quoted(rec["birthplace"]),  # 10 birthplace
        quoted(rec["home"]),        # 11 home
        str(rec["endKind"]),        # 12 endKind
        quoted(rec["wife"]),        # 13 wife
        quoted(""),                 # 14 spare2
        quoted(rec["party"]),       # 15 party
        quoted(rec["opponent"]),    # 16 opponent
        quoted(QUOTATIONS[rec["name"]][0]),  # 17 spare3: quotation
        "0",                        # 18 spareNum2
        quoted(QUOTATIONS[rec["name"]][1]),  # 19 spare4: quotation's source
        quoted(rec["secState"]),    # 20 secState
        quoted(rec["secWar"]),      # 21 secWar
        quoted(rec["attnGen"]),     # 22 attnGen
        quoted(rec["court"]),       # 23 court
        quoted(rec["link"]),        # 24 link
        str(rec["dif"]),            # 25 dif
    ]
    assert len(items) == 25
    return ",".join(items)


def build(records, first=1):
    """The file's bytes: the records, numbered from first, then the links."""
    lines = [record_line(i, rec) for i, rec in enumerate(records, start=first)]
    lines.append(quoted(LINKBASE))
    lines.extend(quoted(rec["link"]) for rec in records)
    return "".join(line + CRLF for line in lines).encode("ascii")


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = argv[1] if len(argv) > 1 else os.path.join(here, "..", "data")
    try:
        validate(PRESIDENTS, ADDON)
    except DataError as e:
        sys.stderr.write("make_brevdat: invalid data: %s\n" % e)
        return 1
    for name, records, first in (("brev.dat", PRESIDENTS, 1),
                                 ("brevplus.dat", ADDON, NRECORDS + 1)):
        data = build(records, first)
        out = os.path.join(outdir, name)
        with open(out, "wb") as f:
            f.write(data)
        print("wrote %s: %d records, %d bytes" % (os.path.normpath(out),
                                                 len(records), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
