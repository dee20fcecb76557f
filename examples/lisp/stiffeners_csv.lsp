;;; TRV_STIFFCSV: every stiffener of the drawing into a CSV file, one line each, sorted
;;; by section: section, material, layer, handle, length.

(defun trv-record (ent / xd)
  ;; The items of the stiffener record (xdata of STIFF), without the application name.
  (setq xd (assoc -3 (entget ent '("STIFF"))))
  (mapcar 'cdr (cdr (cadr xd))))

(defun trv-csv-line (ent / rec ends data)
  (setq rec (trv-record ent)
        ends (TrevanComARX_GetStfiffSEPt ent)
        data (entget ent))
  (list (nth 2 rec)
        (strcat (nth 2 rec) "," (nth 19 rec) "," (cdr (assoc 8 data)) ","
                (cdr (assoc 5 data)) "," (rtos (distance (car ends) (cadr ends)) 2 1))))

(defun c:TRV_STIFFCSV (/ file stiffeners i rows out)
  (setq file (getstring T "\nCSV file: "))
  (setq stiffeners (ssget "X" '((-3 ("STIFF"))))
        i 0)
  (if stiffeners
    (repeat (sslength stiffeners)
      (setq rows (cons (trv-csv-line (ssname stiffeners i)) rows)
            i (1+ i))))
  (setq rows (vl-sort rows '(lambda (a b) (< (car a) (car b)))))
  (if (setq out (open file "w"))
    (progn
      (write-line "section,material,layer,handle,length" out)
      (foreach row rows (write-line (cadr row) out))
      (close out)
      (princ (strcat "\n" (itoa (length rows)) " stiffeners written to " file)))
    (princ (strcat "\nCannot write " file)))
  (princ))
