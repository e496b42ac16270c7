// What several exercise categories share lives in this folder.
